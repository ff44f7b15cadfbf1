#pragma once
// Message boxes for the core's messages: a box without a caption shows the
// program's title "LumoraFree".

#include <QPointer>
#include <QWidget>

#include "engine/PaneControls.h"

namespace lumora {

class CMessageBoxSink : public MessageSink {
public:
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace lumora
