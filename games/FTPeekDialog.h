// The small stay-on-top window of Forty Thieves that shows the next stock
// card face up. It never blocks the game: it is shown without modality and
// follows the stock while it is open.
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;
class TCard;

class TFTPeekDlg : public QDialog {
    Q_OBJECT

public:
    explicit TFTPeekDlg(QWidget* parent = nullptr);

    // The card shown (not owned); null shows nothing.
    TCard* PeekCard = nullptr;

    QLabel* Label1 = nullptr;
    QLabel* Image1 = nullptr;
    QPushButton* OKBtn = nullptr;

    // Shows `card` (or nothing for null) at once.
    void SetPeekCard(TCard* card);
    // Draws PeekCard's face into Image1 again.
    void Refresh();

    // Paints the three pixels of each corner of `picture` in `colour`, so the
    // corners look cut off. The corners come from the picture's own size, in
    // its logical pixels: small and large cards and 2x pictures alike.
    static void CutCorners(QPixmap& picture, const QColor& colour);

protected:
    void showEvent(QShowEvent* event) override;
};
