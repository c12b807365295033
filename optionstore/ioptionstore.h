#pragma once
// The interface of the option-store module "SaveOptionXml": settings kept in an XML file,
// addressed by keys of element names joined by backslashes ("product\\version").
// Strings are UTF-8.

#include "plug/iplug.h"

class I_OptionStore : public I_Plug {
public:
    // Slot 3: does nothing and returns true.
    virtual bool ExitInstance() = 0;
    // Slot 4: replaces the settings with those of the file; false (and no settings) when the
    // file is missing or is not well-formed XML.
    virtual bool LoadFile(const char* path) = 0;
    // Slot 5: writes the settings to the file; false when it cannot be written.
    virtual bool SaveFile(const char* path) = 0;
    // Slot 6: the text of the element the key names, or "" when there is none. Never null;
    // valid until the next call on this object, so callers copy it at once.
    virtual const char* GetValue(const char* key) = 0;
    // Slot 7: sets the text of the element the key names, creating missing elements.
    virtual bool SetValue(const char* key, const char* value) = 0;

protected:
    ~I_OptionStore() = default;
};
