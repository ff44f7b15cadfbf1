#include "app/CAppLooks.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace lumora {
namespace {

struct Look {
    int id;
    const char* style;
    QRgb window;     // window and button faces
    QRgb base;       // edit fields and the view's surroundings
    QRgb text;       // text on window and base
    QRgb highlight;  // selections, the checked look
    QRgb highlightedText;
};

// Light looks differ by their face colour and selection colour; the black
// style is the one dark look.
constexpr Look kLooks[] = {
    {205, "Windows", 0xD4D0C8, 0xFFFFFF, 0x000000, 0x0A246A, 0xFFFFFF},  // plain grey, navy selection
    {206, "Fusion", 0xF7F6F3, 0xFFFFFF, 0x000000, 0xB6BDD2, 0x000000},   // Office XP: pale, grey-blue selection
    {207, "Windows", 0xECE9D8, 0xFFFFFF, 0x000000, 0x316AC5, 0xFFFFFF},  // Windows XP: beige, blue selection
    {208, "Fusion", 0xC4DAFA, 0xFFFFFF, 0x000000, 0xFFC76B, 0x000000},   // Office 2003: light blue, orange
    {209, "Fusion", 0xEEEDE5, 0xFFFFFF, 0x000000, 0xC1D2EE, 0x000000},   // VS 2005: warm grey
    {210, "Fusion", 0xE9ECEE, 0xFFFFFF, 0x000000, 0x3399FF, 0xFFFFFF},   // VS 2008: cool grey
    {215, "Fusion", 0xBFDBFF, 0xFFFFFF, 0x15428B, 0xFFD87A, 0x000000},   // blue
    {216, "Fusion", 0x2D2D30, 0x1E1E1E, 0xE6E6E6, 0xE8A33D, 0x000000},   // black
    {217, "Fusion", 0xD0D4DD, 0xF4F5F7, 0x202020, 0x8A9BB5, 0xFFFFFF},   // silver
    {218, "Fusion", 0xC6E3E6, 0xFFFFFF, 0x0E3E46, 0x4FB3BF, 0xFFFFFF},   // aqua
    {219, "Fusion", 0xF5F8FC, 0xFFFFFF, 0x1E395B, 0xCCE8FF, 0x000000},   // Windows 7
};

const Look* findLook(int id) {
    for (const Look& l : kLooks)
        if (l.id == id) return &l;
    return nullptr;
}

}  // namespace

bool CAppLooks::exists(int id) { return findLook(id) != nullptr; }

QString CAppLooks::styleName(int id) { return QString::fromLatin1(findLook(valid(id))->style); }

QPalette CAppLooks::palette(int id) {
    const Look& l = *findLook(valid(id));
    const QColor window(l.window), base(l.base), text(l.text), highlight(l.highlight);
    const bool dark = window.lightness() < 128;
    QPalette p(window);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, dark ? base.lighter(130) : window.lighter(104));
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ToolTipBase, dark ? QColor(QRgb(0x3F3F46)) : QColor(QRgb(0xFFFFE1)));
    p.setColor(QPalette::ToolTipText, dark ? QColor(QRgb(0xF0F0F0)) : QColor(QRgb(0x000000)));
    p.setColor(QPalette::PlaceholderText, dark ? QColor(QRgb(0x8A8A8A)) : QColor(QRgb(0x808080)));
    p.setColor(QPalette::Highlight, highlight);
    p.setColor(QPalette::HighlightedText, QColor(l.highlightedText));
    p.setColor(QPalette::Light, window.lighter(dark ? 160 : 125));
    p.setColor(QPalette::Midlight, window.lighter(dark ? 130 : 110));
    p.setColor(QPalette::Mid, window.darker(dark ? 80 : 130));
    p.setColor(QPalette::Dark, window.darker(dark ? 60 : 170));
    p.setColor(QPalette::Shadow, dark ? QColor(QRgb(0x000000)) : window.darker(300));
    p.setColor(QPalette::Link, dark ? QColor(QRgb(0x6CB4FF)) : QColor(QRgb(0x0645AD)));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        p.setColor(QPalette::Disabled, role, dark ? QColor(QRgb(0x7A7A7A)) : QColor(QRgb(0x8C8C8C)));
    }
    return p;
}

void CAppLooks::apply(int id) {
    id = valid(id);
    const QString name = styleName(id);
    if (QApplication::style() == nullptr || QApplication::style()->name().compare(name, Qt::CaseInsensitive) != 0) {
        if (QStyle* style = QStyleFactory::create(name)) QApplication::setStyle(style);
    }
    QApplication::setPalette(palette(id));
}

}  // namespace lumora
