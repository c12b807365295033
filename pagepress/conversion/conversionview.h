#pragma once
// What the conversion worker needs of the dialog that shows its progress. The progress
// dialog implements it; tests put a recorder in its place.

#include <QString>

class ConversionView {
public:
    // A document begins. Called on the UI thread (the worker waits meanwhile).
    virtual void StartDocument(const QString& name, int pageTotal) = 0;
    // The tool has reached a new page. Called on the worker thread.
    virtual void PageSeen(int page) = 0;
    // The worker is done (all documents, or stopped). Called on the worker thread as its
    // last step; the view carries it over to the UI thread.
    virtual void ConversionEnded() = 0;

protected:
    ~ConversionView() = default;
};
