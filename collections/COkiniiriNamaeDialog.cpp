#include "collections/COkiniiriNamaeDialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "collections/CCollectionPrompts.h"
#include "collections/COkiniiriStore.h"
#include "collections/CodePage932.h"

namespace lumora {

COkiniiriNamaeDialog::COkiniiriNamaeDialog(COkiniiriStore& store, std::size_t line, CCollectionPrompts& prompts,
                                           QWidget* parent)
    : QDialog(parent), store_(store), line_(line), prompts_(prompts) {
    setWindowTitle(QStringLiteral("お気に入り名前変更"));
    auto* outer = new QVBoxLayout(this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QString::number(IdNameEdit));
    edit_->setAlignment(Qt::AlignRight);
    edit_->setMinimumWidth(240);
    outer->addWidget(edit_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("2"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &COkiniiriNamaeDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const OkiniiriRowsResult rows = store_.ReadRows();
    if (rows.ok() && line_ >= 1 && line_ <= rows.rows.size())
        edit_->setText(QString::fromStdString(cp932ToUtf8Lossy(rows.rows.field(line_ - 1, 3))));
}

void COkiniiriNamaeDialog::accept() {
    const StoreResult r = store_.RenameRow(line_, edit_->text().toStdString());
    if (r.status == StoreStatus::NameTooLong || r.status == StoreStatus::NameNotConvertible) {
        prompts_.tell(storeStatusMessage(r.status));
        return;  // the user can shorten the name
    }
    if (!r.ok()) prompts_.tell(storeStatusMessage(r.status));
    QDialog::accept();
}

}  // namespace lumora
