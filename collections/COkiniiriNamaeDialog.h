#pragma once
// "お気に入り名前変更": renames one entry of the favourites. The name is
// written on OK; a name longer than the table allows is refused with a
// message and the dialog stays open.

#include <QDialog>

class QLineEdit;

namespace lumora {

class CCollectionPrompts;
class COkiniiriStore;

class COkiniiriNamaeDialog : public QDialog {
    Q_OBJECT
public:
    enum Id : int { IdNameEdit = 1004 };

    // `line` is the entry's line number (2 or more).
    COkiniiriNamaeDialog(COkiniiriStore& store, std::size_t line, CCollectionPrompts& prompts,
                         QWidget* parent = nullptr);

    QLineEdit* nameEdit() const { return edit_; }

    void accept() override;

private:
    COkiniiriStore& store_;
    std::size_t line_;
    CCollectionPrompts& prompts_;
    QLineEdit* edit_ = nullptr;
};

}  // namespace lumora
