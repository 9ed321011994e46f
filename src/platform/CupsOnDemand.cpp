// The functions of libcups that the CUPS printing service calls, loading libcups the first time one
// of them is called. veltora-batch links this in place of libcups: a run that prints into a PDF file
// never loads libcups, nor the TLS, Kerberos and Zeroconf libraries that it brings, and starts that
// much sooner. When libcups cannot be loaded, the call throws IoError saying so.

#include "logic/files/IoError.h"

#include <QString>

#include <cstdarg>
#include <cstdio>
#include <cups/cups.h>
#include <dlfcn.h>

namespace {

void *cupsLibrary()
{
    static void *const handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        throw IoError(QStringLiteral("CUPS is not available: libcups.so.2 cannot be loaded"));
    return handle;
}

template <typename Function> Function cupsFunction(const char *name)
{
    void *symbol = dlsym(cupsLibrary(), name);
    if (!symbol)
        throw IoError(QStringLiteral("CUPS is not available: libcups.so.2 has no %1").arg(QString::fromLatin1(name)));
    return reinterpret_cast<Function>(symbol);
}

} // namespace

// Each function looks itself up once, at its first call.
#define VELTORA_CUPS_FORWARD(result, name, parameters, arguments)                                                      \
    extern "C" result name parameters                                                                                  \
    {                                                                                                                  \
        static const auto function = cupsFunction<result(*) parameters>(#name);                                        \
        return function arguments;                                                                                     \
    }

VELTORA_CUPS_FORWARD(int, cupsAddOption,
                     (const char *name, const char *value, int num_options, cups_option_t **options),
                     (name, value, num_options, options))
VELTORA_CUPS_FORWARD(ipp_status_t, cupsCancelJob2, (http_t * http, const char *name, int job_id, int purge),
                     (http, name, job_id, purge))
VELTORA_CUPS_FORWARD(cups_dinfo_t *, cupsCopyDestInfo, (http_t * http, cups_dest_t *dest), (http, dest))
VELTORA_CUPS_FORWARD(int, cupsCreateJob,
                     (http_t * http, const char *name, const char *title, int num_options, cups_option_t *options),
                     (http, name, title, num_options, options))
VELTORA_CUPS_FORWARD(ipp_t *, cupsDoRequest, (http_t * http, ipp_t *request, const char *resource),
                     (http, request, resource))
VELTORA_CUPS_FORWARD(ipp_attribute_t *, cupsFindDestDefault,
                     (http_t * http, cups_dest_t *dest, cups_dinfo_t *dinfo, const char *option),
                     (http, dest, dinfo, option))
VELTORA_CUPS_FORWARD(ipp_status_t, cupsFinishDocument, (http_t * http, const char *name), (http, name))
VELTORA_CUPS_FORWARD(void, cupsFreeDestInfo, (cups_dinfo_t * dinfo), (dinfo))
VELTORA_CUPS_FORWARD(void, cupsFreeDests, (int num_dests, cups_dest_t *dests), (num_dests, dests))
VELTORA_CUPS_FORWARD(void, cupsFreeJobs, (int num_jobs, cups_job_t *jobs), (num_jobs, jobs))
VELTORA_CUPS_FORWARD(void, cupsFreeOptions, (int num_options, cups_option_t *options), (num_options, options))
VELTORA_CUPS_FORWARD(cups_dest_t *, cupsGetDest,
                     (const char *name, const char *instance, int num_dests, cups_dest_t *dests),
                     (name, instance, num_dests, dests))
VELTORA_CUPS_FORWARD(int, cupsGetDestMediaByName,
                     (http_t * http, cups_dest_t *dest, cups_dinfo_t *dinfo, const char *media, unsigned flags,
                      cups_size_t *size),
                     (http, dest, dinfo, media, flags, size))
VELTORA_CUPS_FORWARD(int, cupsGetDestMediaBySize,
                     (http_t * http, cups_dest_t *dest, cups_dinfo_t *dinfo, int width, int length, unsigned flags,
                      cups_size_t *size),
                     (http, dest, dinfo, width, length, flags, size))
VELTORA_CUPS_FORWARD(int, cupsGetDests2, (http_t * http, cups_dest_t **dests), (http, dests))
VELTORA_CUPS_FORWARD(int, cupsGetJobs2, (http_t * http, cups_job_t **jobs, const char *name, int myjobs, int whichjobs),
                     (http, jobs, name, myjobs, whichjobs))
VELTORA_CUPS_FORWARD(const char *, cupsGetOption, (const char *name, int num_options, cups_option_t *options),
                     (name, num_options, options))
VELTORA_CUPS_FORWARD(const char *, cupsLastErrorString, (void), ())
VELTORA_CUPS_FORWARD(http_status_t, cupsStartDocument,
                     (http_t * http, const char *name, int job_id, const char *docname, const char *format,
                      int last_document),
                     (http, name, job_id, docname, format, last_document))
VELTORA_CUPS_FORWARD(http_status_t, cupsWriteRequestData, (http_t * http, const char *buffer, size_t length),
                     (http, buffer, length))
VELTORA_CUPS_FORWARD(ipp_attribute_t *, ippAddString,
                     (ipp_t * ipp, ipp_tag_t group, ipp_tag_t value_tag, const char *name, const char *language,
                      const char *value),
                     (ipp, group, value_tag, name, language, value))
VELTORA_CUPS_FORWARD(ipp_attribute_t *, ippAddStrings,
                     (ipp_t * ipp, ipp_tag_t group, ipp_tag_t value_tag, const char *name, int num_values,
                      const char *language, const char *const *values),
                     (ipp, group, value_tag, name, num_values, language, values))
VELTORA_CUPS_FORWARD(void, ippDelete, (ipp_t * ipp), (ipp))
VELTORA_CUPS_FORWARD(ipp_attribute_t *, ippFindAttribute, (ipp_t * ipp, const char *name, ipp_tag_t value_tag),
                     (ipp, name, value_tag))
VELTORA_CUPS_FORWARD(ipp_t *, ippGetCollection, (ipp_attribute_t * attr, int element), (attr, element))
VELTORA_CUPS_FORWARD(int, ippGetInteger, (ipp_attribute_t * attr, int element), (attr, element))
VELTORA_CUPS_FORWARD(const char *, ippGetString, (ipp_attribute_t * attr, int element, const char **language),
                     (attr, element, language))
VELTORA_CUPS_FORWARD(ipp_t *, ippNewRequest, (ipp_op_t op), (op))
VELTORA_CUPS_FORWARD(int, ippPort, (void), ())
VELTORA_CUPS_FORWARD(http_uri_status_t, httpAssembleURI,
                     (http_uri_coding_t encoding, char *uri, int urilen, const char *scheme, const char *username,
                      const char *host, int port, const char *resource),
                     (encoding, uri, urilen, scheme, username, host, port, resource))

// The formatting variant: the resource is formatted here and handed to httpAssembleURI.
extern "C" http_uri_status_t httpAssembleURIf(http_uri_coding_t encoding, char *uri, int urilen, const char *scheme,
                                              const char *username, const char *host, int port, const char *resourcef,
                                              ...)
{
    char resource[1024];
    va_list ap;
    va_start(ap, resourcef);
    const int length = std::vsnprintf(resource, sizeof resource, resourcef, ap);
    va_end(ap);
    if (length < 0 || length >= int(sizeof resource)) {
        if (uri && urilen > 0)
            *uri = '\0';
        return HTTP_URI_STATUS_OVERFLOW;
    }
    return httpAssembleURI(encoding, uri, urilen, scheme, username, host, port, resource);
}
