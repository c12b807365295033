#pragma once
// The application context: folders, names, version and links that every part reads.
// Written only while the application starts, before any window exists; read-only after,
// so worker threads may read it without a lock.

#include <QString>

struct MuiContext {
    QString ResourceDir;   // ExeDir + "sys/soft/" + Title + "/"
    QString ExeDir;        // the host executable's folder, ending with "/"
    QString Company;
    QString Title;
    QString Version;       // "product\version" of config.xml
    QString Link;          // handed over by the host, kept unchanged
    QString HomePageLink;
    QString SupportLink;
    QString CopyrightLine;
};

// Publishes the context (nullptr withdraws it). Called by the start code only.
void SetMuiContext(MuiContext* context);
// The published context, or nullptr outside the application's run. Any thread.
MuiContext* GetMuiContext();
