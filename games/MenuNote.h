// The first game window a user ever opens says where its commands are: a
// short note over the table, gone after a few seconds. It takes no input, so
// play goes on under it, and it is remembered in the program's state folder.
#pragma once

#include <QLabel>

class TMenuNote : public QLabel {
    Q_OBJECT
public:
    // Shows the note over the window's table unless this user has seen it.
    // Returns the note (it deletes itself), or null.
    static TMenuNote* ShowOnce(QWidget* window);

    static constexpr int kShowMs = 6000;

private:
    explicit TMenuNote(QWidget* window);
};
