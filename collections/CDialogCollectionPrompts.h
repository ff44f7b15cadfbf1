#pragma once
// The collection prompts as real dialogs: file dialogs with the given filter
// and default extension, and warning message boxes captioned "LumoraFree"
// unless a caption is given.

#include "collections/CCollectionPrompts.h"

class QWidget;

namespace lumora {

class CDialogCollectionPrompts : public CCollectionPrompts {
public:
    explicit CDialogCollectionPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::filesystem::path> askSavePath(const std::string& filter, const std::string& extension,
                                                     const std::string& initialName) override;
    std::optional<std::filesystem::path> askOpenPath(const std::string& filter, const std::string& extension) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    void tell(const std::string& text, const std::string& caption) override;

    // "desc (*.ext)|*.ext||" as a file dialog filter: "desc (*.ext)".
    static std::string dialogFilter(const std::string& filter);

private:
    QWidget* parent_;
};

}  // namespace lumora
