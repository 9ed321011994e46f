#pragma once
// Renders every window of the program to PNG, offscreen. Each subsystem has its own file of shots.

#include <QString>

struct AppContext;
class Program;
class RecordingMessages;
class QWidget;

struct ShotEnv
{
    Program &program;
    AppContext &ctx;
    RecordingMessages &messages;
    QString outDir;
    QString workDir;
};

// Lays out, renders and saves a window as OUTDIR/name.png (with a frame-less client area).
void grab(QWidget *window, const ShotEnv &env, const QString &name);

// Each file of shots registers itself:  static ShotRegistrar reg("addresses", &shotsAddresses);
// Shots run in the order of their names.
using ShotFunction = void (*)(ShotEnv &);
struct ShotRegistrar
{
    ShotRegistrar(const char *name, ShotFunction fn);
};
void runAllShots(ShotEnv &env);
