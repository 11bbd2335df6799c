// TWinForm: the small modal window a game shows when the player has won: the
// looping win animation, the win sound, and one button to dismiss it.
#pragma once

#include <QDialog>
#include <QImage>
#include <QList>

class QLabel;
class QPushButton;
class QTimer;

class TWinForm : public QDialog {
    Q_OBJECT
public:
    explicit TWinForm(QWidget* parent = nullptr);
    ~TWinForm() override;

    // The frame on show, 0 to 9.
    int CurrentFrame() const { return frame_; }
    // Advances the animation by one frame (the timer calls it five times a second).
    void NextFrame();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowFrame();

    QLabel* Animate1 = nullptr;
    QPushButton* Button1 = nullptr;
    QTimer* frameTimer_ = nullptr;
    QList<QImage> frames_;
    int frame_ = 0;
};

// The win window while one is open, else nullptr.
TWinForm* WinForm();
