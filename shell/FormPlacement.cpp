#include "FormPlacement.h"

#include "Profile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <QWidget>

namespace {
// Window show commands as the settings file has always stored them.
constexpr int kShowNormal = 1;
constexpr int kShowMinimized = 2;
constexpr int kShowMaximized = 3;

QString RectText(int a, int b, int c, int d) { return QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d); }

// A saved position is used only when a good part of the title bar would be
// visible on some screen, so a window never opens out of reach.
bool Reachable(const QRect& rect) {
    const QRect titleBar(rect.left(), rect.top(), rect.width(), 24);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(titleBar);
        if (visible.width() >= 40 && visible.height() >= 8) return true;
    }
    return false;
}
} // namespace

bool TFormPlacement::IsPlaced(const QRect& outer, const QSize& client) {
    return outer.width() >= client.width() && outer.height() >= client.height() && !client.isEmpty();
}

bool TFormPlacement::ParseRect(const QString& text, QRect* rect) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return false;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok) return false;
    }
    if (v[2] <= v[0] || v[3] <= v[1]) return false;
    *rect = QRect(QPoint(v[0], v[1]), QPoint(v[2] - 1, v[3] - 1));
    return true;
}

void TFormPlacement::SaveFormPlacement(const QWidget* window) const {
    if (window == nullptr || IniSection.isEmpty()) return;
    TProfile p(IniSection, QString());
    p.FileName = IniFileName;
    const Qt::WindowStates state = window->windowState();
    const int show = state & Qt::WindowMinimized   ? kShowMinimized
                     : state & Qt::WindowMaximized ? kShowMaximized
                                                   : kShowNormal;
    // The normal (restored) outer rectangle, right and bottom exclusive.
    const bool restoredRect = window->normalGeometry().isValid() && state != Qt::WindowNoState;
    const QRect normal = restoredRect ? window->normalGeometry() : window->frameGeometry();
    // A window closed before the window manager has placed it reports a
    // stand-in (a 1 x 1 rectangle): the position saved before stays.
    if (!restoredRect && !IsPlaced(normal, window->size())) return;
    p.Entry = QStringLiteral("Flags");
    p.SetValue(0);
    p.Entry = QStringLiteral("ShowCmd");
    p.SetValue(show);
    p.Entry = QStringLiteral("MinMaxPos");
    p.SetText(RectText(-1, -1, -1, -1));
    p.Entry = QStringLiteral("NormPos");
    p.SetText(RectText(normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()));
}

void TFormPlacement::RestoreFormPlacement(QWidget* window) const {
    if (window == nullptr || IniSection.isEmpty()) return;
    TProfile p(IniSection, QStringLiteral("NormPos"));
    p.FileName = IniFileName;
    QRect rect;
    if (ParseRect(p.Text(), &rect) && Reachable(rect)) window->move(rect.topLeft());
    if (Options != StateAndPosition) return;
    p.Entry = QStringLiteral("ShowCmd");
    const QString show = p.Text();
    if (show == QLatin1String("None")) return;
    const int cmd = TProfile::TextToValue(show);
    if (cmd == kShowMaximized) window->setWindowState(window->windowState() | Qt::WindowMaximized);
}
