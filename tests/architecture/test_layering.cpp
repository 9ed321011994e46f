// The layers of the program, checked on the include lines of every source file:
//   app, cli -> ui -> platform -> logic
// A layer includes only itself and the layers below it (cli: logic and platform only); the logic
// layer includes no Qt Widgets or Qt PrintSupport header; inside a layer the subsystem folders
// point one way (no cycle); no window includes the main window; test doubles live under tests/.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

const QString SourceRoot = QStringLiteral(VELTORA_SOURCE_DIR "/src");

struct Include
{
    QString file;   // relative to src/, e.g. "logic/files/WorkDir.cpp"
    QString target; // as written: "logic/files/WorkDir.h" or "QWidget"
    bool quoted = false;
    int line = 0;
};

QList<Include> includesOf(const QString &root)
{
    static const QRegularExpression rx(QStringLiteral(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])"));
    QList<Include> result;
    QDirIterator it(root, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        const QString rel = QDir(root).relativeFilePath(path);
        int n = 0;
        while (!f.atEnd()) {
            const QString line = QString::fromUtf8(f.readLine());
            ++n;
            const auto m = rx.match(line);
            if (m.hasMatch())
                result.append({rel, m.captured(2), m.captured(1) == QLatin1String("\""), n});
        }
    }
    return result;
}

QString layerOf(const QString &path)
{
    return path.section(QLatin1Char('/'), 0, 0);
}

// "logic/files/WorkDir.h" -> "logic/files"; files directly in a layer folder belong to the layer.
QString folderOf(const QString &path)
{
    const QStringList parts = path.split(QLatin1Char('/'));
    return parts.size() > 2 ? parts.at(0) + QLatin1Char('/') + parts.at(1) : parts.at(0);
}

// The header names of a Qt module, from its include folder ("QWidget", "qwidget.h", ...).
QSet<QString> moduleHeaders(const QString &dir)
{
    QSet<QString> names;
    const QString module = QDir(dir).dirName();
    for (const QString &name : QDir(dir).entryList(QDir::Files)) {
        names.insert(name);
        names.insert(module + QLatin1Char('/') + name);
    }
    return names;
}

QString where(const Include &i)
{
    return QStringLiteral("%1:%2 includes %3").arg(i.file).arg(i.line).arg(i.target);
}

} // namespace

class TestLayering : public QObject
{
    Q_OBJECT
    QList<Include> m_includes;

private slots:
    void initTestCase()
    {
        m_includes = includesOf(SourceRoot);
        QVERIFY2(m_includes.size() > 100, "the sources were not found");
    }

    void layersPointDown()
    {
        const QHash<QString, QSet<QString>> allowed{
            {QStringLiteral("logic"), {QStringLiteral("logic")}},
            {QStringLiteral("platform"), {QStringLiteral("logic"), QStringLiteral("platform")}},
            {QStringLiteral("ui"), {QStringLiteral("logic"), QStringLiteral("platform"), QStringLiteral("ui")}},
            {QStringLiteral("app"),
             {QStringLiteral("logic"), QStringLiteral("platform"), QStringLiteral("ui"), QStringLiteral("app")}},
            {QStringLiteral("cli"), {QStringLiteral("logic"), QStringLiteral("platform"), QStringLiteral("cli")}},
        };
        QStringList wrong;
        for (const Include &i : std::as_const(m_includes)) {
            if (!i.quoted)
                continue;
            const QString from = layerOf(i.file);
            const QString to = layerOf(i.target);
            if (!allowed.contains(from))
                wrong.append(i.file + QStringLiteral(": a folder that is no layer"));
            else if (!allowed.value(from).contains(to))
                wrong.append(where(i));
            else if (!QFile::exists(SourceRoot + QLatin1Char('/') + i.target))
                wrong.append(where(i) + QStringLiteral(" (written relative to src/?)"));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void logicUsesNoWidgetsNorPrintSupport()
    {
        QSet<QString> forbidden = moduleHeaders(QStringLiteral(VELTORA_QT_WIDGETS_INCLUDE));
        forbidden.unite(moduleHeaders(QStringLiteral(VELTORA_QT_PRINTSUPPORT_INCLUDE)));
        QVERIFY2(forbidden.contains(QStringLiteral("QWidget")) && forbidden.contains(QStringLiteral("QPrinter")),
                 "the Qt module headers were not found");
        QStringList wrong;
        for (const Include &i : std::as_const(m_includes)) {
            const QString layer = layerOf(i.file);
            const bool mayUse = layer == QLatin1String("ui") || layer == QLatin1String("app") ||
                                i.file.startsWith(QLatin1String("platform/QtPrintingService"));
            if (!i.quoted && !mayUse && forbidden.contains(i.target))
                wrong.append(where(i));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    // Subsystem folders of one layer form no cycle: a folder never reaches itself again.
    void foldersPointOneWay()
    {
        QHash<QString, QSet<QString>> edges;
        QHash<QPair<QString, QString>, QString> example;
        for (const Include &i : std::as_const(m_includes)) {
            if (!i.quoted)
                continue;
            const QString from = folderOf(i.file);
            const QString to = folderOf(i.target);
            if (from != to && layerOf(from) == layerOf(to)) {
                edges[from].insert(to);
                example.insert({from, to}, where(i));
            }
        }
        QStringList cycles;
        for (auto it = edges.cbegin(); it != edges.cend(); ++it) {
            // Every folder reachable from this one; a way back is a cycle.
            QSet<QString> seen;
            QList<QString> todo(it.value().cbegin(), it.value().cend());
            while (!todo.isEmpty()) {
                const QString f = todo.takeLast();
                if (seen.contains(f))
                    continue;
                seen.insert(f);
                for (const QString &next : edges.value(f))
                    todo.append(next);
            }
            if (seen.contains(it.key())) {
                QStringList ways;
                for (const QString &to : it.value())
                    if (to == it.key() || edges.value(to).contains(it.key()) || seen.contains(to))
                        ways.append(example.value({it.key(), to}));
                cycles.append(it.key() + QStringLiteral(" reaches itself again; its arrows:\n  ") +
                              ways.join(QStringLiteral("\n  ")));
            }
        }
        QVERIFY2(cycles.isEmpty(), qPrintable(cycles.join(QLatin1Char('\n'))));
    }

    void noWindowIncludesTheMainWindow()
    {
        QStringList wrong;
        for (const Include &i : std::as_const(m_includes)) {
            if (i.target == QLatin1String("ui/main/MainWindow.h") && !i.file.startsWith(QLatin1String("ui/main/")) &&
                !i.file.startsWith(QLatin1String("app/")))
                wrong.append(where(i));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void noTestDoubleInTheProgram()
    {
        static const QRegularExpression rx(QStringLiteral(R"(\b(class|struct)\s+(Recording|Fake|Stub|Mock|Dummy)\w*)"));
        QStringList wrong;
        QDirIterator it(SourceRoot, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const auto m = rx.match(QString::fromUtf8(f.readAll()));
            if (m.hasMatch())
                wrong.append(QDir(SourceRoot).relativeFilePath(f.fileName()) + QStringLiteral(": ") + m.captured(0));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestLayering)
#include "test_layering.moc"
