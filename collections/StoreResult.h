#pragma once
// What a store operation tells its caller. Nothing in the stores throws or
// ends the program: every failure comes back as one of these, and the window
// turns it into a message.

#include <string>

namespace lumora {

enum class StoreStatus {
    Ok,
    CannotOpenWorkFile,      // the work file can be neither opened nor created
    CannotWriteWorkFile,     // the new content could not be written; the old one stands
    CannotWriteStagingFile,  // a staging file could not be written; the work file was left alone
    CannotReadSource,        // an import or open could not read the chosen file
    CannotWriteDestination,  // an export or save could not write the chosen file
    Refused,                 // the arguments name nothing this operation applies to
    NameTooLong,             // a rename longer than the table allows
    NameNotConvertible,      // a name that is not valid text, or no code page converter
};

struct StoreResult {
    StoreStatus status = StoreStatus::Ok;
    bool changed = false;  // whether the operation changed the work file
    bool ok() const { return status == StoreStatus::Ok; }
};

// A short Japanese sentence for a message box.
std::string storeStatusMessage(StoreStatus status);

}  // namespace lumora
