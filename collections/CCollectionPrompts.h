#pragma once
// The dialogs and message boxes of the collection commands, behind one small
// interface so the commands can be tested without a screen. Texts are UTF-8;
// filters are given as "description (*.ext)|*.ext||".

#include <filesystem>
#include <optional>
#include <string>

namespace lumora {

class CCollectionPrompts {
public:
    virtual ~CCollectionPrompts() = default;
    // A save dialog that asks before replacing a file; nothing when cancelled.
    virtual std::optional<std::filesystem::path> askSavePath(const std::string& filter, const std::string& extension,
                                                             const std::string& initialName) = 0;
    // An open dialog; nothing when cancelled.
    virtual std::optional<std::filesystem::path> askOpenPath(const std::string& filter,
                                                             const std::string& extension) = 0;
    // A Yes/No question with a warning icon; true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& caption) = 0;
    // A message with an OK button and a warning icon; an empty caption shows
    // the application title.
    virtual void tell(const std::string& text, const std::string& caption = {}) = 0;
};

}  // namespace lumora
