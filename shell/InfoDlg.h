// TInfoBox: the about window, opened from the selector's jester picture. The
// jester swings 3-2-1-2 on a 400 ms timer; the swing's phase is kept from one
// showing to the next.
#pragma once

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QUrl>

class QTimer;

// A link: navy, maroon while the mouse button is held on it; releasing the
// button over it opens the address.
class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    TLinkLabel(const QString& text, QUrl url, QWidget* parent = nullptr);
    QUrl Url() const { return url_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void SetTextColor(const QColor& color);
    QUrl url_;
};

class TInfoBox : public QDialog {
    Q_OBJECT
public:
    explicit TInfoBox(QWidget* parent = nullptr);
    ~TInfoBox() override;

    // One timer tick: draws the frame of the current phase and advances it.
    void Timer1Timer();
    // The phase the next tick draws (0: JESTER3, 1: JESTER2, 2: JESTER1, 3: JESTER2).
    static int Phase();

    void done(int result) override;

private:
    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;
    QImage jesters_[3];
};

// The open about window, or nullptr.
TInfoBox* InfoBox();
// Shows the about window, creating it when none is open, and brings it forward.
TInfoBox* ShowInfoBox(QWidget* parent = nullptr);

// Where the about window's links lead.
extern const QUrl InfoWebAddress;
extern const QUrl InfoMailAddress;
