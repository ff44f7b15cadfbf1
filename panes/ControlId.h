#pragma once
// Every control carries its numeric id, both as its object name (so a test or
// the main window can find it with findChild) and as the "controlId"
// property (so code can read it back without parsing).

#include <QString>
#include <QWidget>

namespace lumora {

inline void setControlId(QObject* control, int id) {
    control->setObjectName(QString::number(id));
    control->setProperty("controlId", id);
}

// The child of `root` that carries `id`, or nullptr.
template <typename T>
T* findControl(const QObject* root, int id) {
    return root->findChild<T*>(QString::number(id));
}

}  // namespace lumora
