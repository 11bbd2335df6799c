#include "GameForm.h"

#include "CardDrag.h"
#include "Dialogs.h"
#include "Preferences.h"
#include "SoundManager.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

bool GameCloseAllowed = true;

namespace {
QHash<QString, TGameForm*>& References() {
    static QHash<QString, TGameForm*> references;
    return references;
}

// Settings colours keep red in the low byte.
QColor FromColorRef(quint32 c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

const QColor kTableGreen(0, 64, 0);
} // namespace

TGameForm* GameFormReference(const QString& className) { return References().value(className, nullptr); }

TGameInfo SmallCardInfo(const TGameInfo& large, const QString& className, const QString& placementSection,
                        QSize client, int minHeight, int resizeMargin) {
    TGameInfo info = large;
    info.ClassName = className;
    info.PlacementSection = placementSection;
    info.ClientWidth = client.width();
    info.ClientHeight = client.height();
    info.MinHeight = minHeight;
    info.ResizeMargin = resizeMargin;
    return info;
}

TPlaces PlaceRow(int count, int left, int step, int top, int width, int height, float yOffset) {
    TPlaces places;
    for (int i = 0; i < count; ++i) places.push_back({left + step * i, top, width, height, yOffset});
    return places;
}

TPlaces operator+(TPlaces a, const TPlaces& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TLayout SmallCardLayout(const TLayout& large, const TPlaces& places) {
    Q_ASSERT(places.size() == large.size());
    TLayout small = large;
    for (std::size_t i = 0; i < small.size() && i < places.size(); ++i) {
        const TSlotPlace& p = places[i];
        small[i].Left = p.Left;
        small[i].Top = p.Top;
        small[i].Width = p.Width;
        small[i].Height = p.Height;
        if (p.YOffset >= 0.0f) small[i].YOffset = p.YOffset;
    }
    return small;
}

TGameForm::TGameForm(const TGameInfo& info, const TLayout& layout, QWidget* parent)
    : QWidget(parent, Qt::Window), info_(info) {
    setObjectName(info.ClassName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(info.Name);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kTableGreen);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
    resize(info.ClientWidth, info.ClientHeight);

    Profile1.Section = info.ProfileSection;
    FormPlacement1.IniSection = info.PlacementSection;
    FormPlacement1.Options = info.RestoreState ? TFormPlacement::StateAndPosition : TFormPlacement::PositionOnly;

    zBackground1 = new TzBackground(this);
    zBackground1->setObjectName(QStringLiteral("zBackground1"));
    CreatePileViews(layout);
    References().insert(info.ClassName, this);
}

TGameForm::~TGameForm() {
    if (References().value(info_.ClassName) == this) References().remove(info_.ClassName);
    EmptyAllPiles();
    if (UndoList) UndoList->Clear();
    ReleaseDeal();
}

void TGameForm::CreatePileViews(const TLayout& layout) {
    InitCardImagery();
    for (const TPileSlot& slot : layout) {
        auto* view = new TCardPileView(this);
        view->setObjectName(slot.Name);
        view->setGeometry(slot.Left, slot.Top, slot.Width, slot.Height);
        view->XOffset = slot.XOffset;
        view->YOffset = slot.YOffset;
        view->IsBordered = (slot.Options & TPileSlot::Bordered) != 0;
        view->AllowDrag = (slot.Options & TPileSlot::Draggable) != 0;
        view->ShowHint = (slot.Options & TPileSlot::Hint) != 0;
        view->State = slot.State;
        if (slot.Options & TPileSlot::Black) view->SetColor(Qt::black);
        if (slot.Options & TPileSlot::Hidden) view->hide();
        views_.push_back(view);
        slots_.push_back(slot);
    }
}

TCardPileView* TGameForm::PileView(const QString& name) const {
    for (TCardPileView* view : views_)
        if (view->objectName() == name) return view;
    return nullptr;
}

bool TGameForm::FaceDownAllowed(const TCardPileView* view) const {
    for (std::size_t i = 0; i < views_.size(); ++i)
        if (views_[i] == view) return TPileSlot::MayHoldFaceDown(slots_[i].Kind);
    return false;
}

std::vector<TCardPileView*> TGameForm::ViewsOf(TPileSlot::Role role) const {
    std::vector<TCardPileView*> result;
    for (std::size_t i = 0; i < views_.size(); ++i)
        if (slots_[i].Kind == role) result.push_back(views_[i]);
    return result;
}

QAction* TGameForm::AddCheckItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setCheckable(true);
    if (!key.isEmpty()) action->setShortcut(key);
    menu->addAction(action);
    addAction(action);
    return action;
}

bool TGameForm::AddOptionItems(QMenu*) { return false; }

void TGameForm::BuildMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto command = [this](const QString& name, const QString& caption, const QKeySequence& key) {
        auto* action = new QAction(caption, this);
        action->setObjectName(name);
        if (!key.isEmpty()) action->setShortcut(key);
        PopupMenu1->addAction(action);
        addAction(action);
        return action;
    };
    Undo1 = command(QStringLiteral("Undo1"), QStringLiteral("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Undo1->setEnabled(false);
    connect(Undo1, &QAction::triggered, this, [this] {
        if (!Dragging() && UndoList && UndoList->RecordCount() > 0) Undo1Click();
    });
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N1"));
    if (AddOptionItems(PopupMenu1)) PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N2"));
    NewGame1 = command(info_.NewGameName, QStringLiteral("&New Game"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Restart1 = command(info_.RestartName, QStringLiteral("&Restart"), {});
    connect(NewGame1, &QAction::triggered, this, [this] { NewGame1Click(NewGame1); });
    connect(Restart1, &QAction::triggered, this, [this] { NewGame1Click(Restart1); });
    AddExtraCommands(PopupMenu1);
    Preferences1 = command(QStringLiteral("Preferences1"), info_.PreferencesCaption, {});
    About1 = command(QStringLiteral("About1"), info_.RulesCaption, {});
    connect(Preferences1, &QAction::triggered, this, [this] { Preferences1Click(); });
    connect(About1, &QAction::triggered, this, [this] { About1Click(); });
}

void TGameForm::FormCreate() {
    if (created_) return;
    BuildMenu();
    ApplyBackground();
    ReadOptions();
    UndoList = std::make_unique<TCardUndo>(this);
    UndoList->MenuItem = Undo1;
    Undo1->setEnabled(false);
    DealCards(true, true);
    ApplySizeRule();
    FormPlacement1.RestoreFormPlacement(this);
    created_ = true;
    FormResize();
}

void TGameForm::ApplySizeRule() {
    if (info_.Fixed) {
        setFixedSize(info_.ClientWidth, info_.ClientHeight);
        return;
    }
    setFixedWidth(info_.ClientWidth);
    // The minimum is an outer height: take off the title bar and frame once
    // the window manager has given the window its frame.
    const int frameExtra = isVisible() ? qMax(0, frameGeometry().height() - height()) : 0;
    setMinimumHeight(qMax(1, info_.MinHeight - frameExtra));
    setMaximumHeight(QWIDGETSIZE_MAX);
}

void TGameForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (created_) ApplySizeRule();
}

int TGameForm::UpdateScore() {
    FoundationCount = CountScore();
    setWindowTitle(FoundationCount <= 0 ? info_.Name
                                        : info_.Name + QStringLiteral("   Score: ") + QString::number(FoundationCount));
    return FoundationCount;
}

bool TGameForm::CheckWinScore() {
    if (FoundationCount != info_.TotalCards) return false;
    GameWon = true;
    Dialogs().ShowWin(this);
    return true;
}

void TGameForm::ApplyBackground() {
    const TPreferences& prefs = Preferences();
    int type = prefs.BackgroundIndex;
    if (type == 2 && prefs.BackgroundBitmap.isNull()) type = 0;
    if (type == 1) {
        zBackground1->SetBackType(btBlend);
        zBackground1->SetColor(FromColorRef(prefs.GradientStartColor));
        zBackground1->SetEndColor(FromColorRef(prefs.GradientEndColor));
        zBackground1->SetFillType(prefs.GradientIndex == 1 ? gHorz : gVert);
    } else if (type == 2) {
        zBackground1->SetBitMap(prefs.BackgroundBitmap);
        zBackground1->SetBackType(btBitmap);
    } else {
        zBackground1->SetBackType(btNormal);
        const QColor colour = FromColorRef(prefs.BackgroundColor);
        if (palette().color(QPalette::Window) != colour) {
            QPalette pal = palette();
            pal.setColor(QPalette::Window, colour);
            setPalette(pal);
        }
    }
    for (std::size_t i = 0; i < views_.size(); ++i) {
        if (slots_[i].Options & TPileSlot::Hidden) continue;
        views_[i]->BackgroundMode = type == 0 ? FS_NORMAL : FS_BITMAP;
        views_[i]->BackgroundBitmap = type == 0 ? nullptr : zBackground1->BackBuffer();
    }
    update();
}

void TGameForm::Preferences1Click() {
    Dialogs().ShowPreferences(this);
    ApplyBackground();
    RepaintAll();
}

void TGameForm::About1Click() { Dialogs().ShowHelp(this, info_.HelpTopic); }

bool TGameForm::FormCloseQuery() {
    bool allowed = true;
    if (MoveCount >= info_.QuitThreshold && !GameWon)
        allowed = Dialogs().Confirm(this, QStringLiteral("Quit this game of %1?").arg(info_.Name));
    GameCloseAllowed = allowed;
    return allowed;
}

void TGameForm::NewGame1Click(QObject* sender) {
    if (Dragging()) return;
    const bool newDeal = sender != Restart1;
    if (MoveCount > info_.QuitThreshold && !GameWon) {
        if (newDeal) {
            if (!FormCloseQuery()) return;
        } else if (!Dialogs().Confirm(this, QStringLiteral("Restart this game of %1?").arg(info_.Name))) {
            return;
        }
    }
    EmptyAllPiles();
    RepaintAll();
    DealCards(newDeal, false);
}

void TGameForm::EmptyAllPiles() {
    for (TCardPileView* view : views_) {
        view->Pile->Empty(false);
        view->DragPile->Empty(false);
    }
}

void TGameForm::ReleaseDeal() {
    // Every card of a deal is in SavedDeck, whichever pile it lies on now.
    SavedDeck.Empty(true);
}

void TGameForm::RepaintAll() {
    for (TCardPileView* view : views_)
        if (view->isVisible()) view->repaint();
}

void TGameForm::NewShuffledDeck(TCardPile* pile, int decks) {
    if (UndoList) UndoList->Clear();
    for (TCardPileView* view : views_) view->DragPile->Empty(false);
    pile->Empty(false);
    ReleaseDeal();
    for (int i = 0; i < decks; ++i) pile->AddDeck();
    pile->Shuffle();
    SavedDeck.Empty(false);
    pile->CopyPileTo(&SavedDeck);
}

void TGameForm::ReplaySavedDeck(TCardPile* pile) {
    pile->Empty(false);
    SavedDeck.CopyPileTo(pile);
    for (TCard* card : pile->Cards) card->FaceUp = false;
}

bool TGameForm::Animate(bool quiet) const { return !quiet && Preferences().DoAnimation; }

bool TGameForm::Dragging() const {
    for (TCardPileView* view : views_)
        if (view->IsDragging()) return true;
    return false;
}

void TGameForm::FormResize() {
    if (!created_ || info_.ResizeMargin == 0) return;
    for (TCardPileView* view : ViewsOf(TPileSlot::Tableau))
        view->resize(view->width(), qMax(1, height() - info_.ResizeMargin));
}

void TGameForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

void TGameForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        About1Click();
        return;
    }
    if (event->key() == Qt::Key_Space && HasStock()) {
        if (!Dragging()) StockClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TGameForm::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton && HasStock()) {
        if (!Dragging()) StockClick();
        return;
    }
    QWidget::mousePressEvent(event);
}

void TGameForm::contextMenuEvent(QContextMenuEvent* event) {
    if (!Dragging()) PopupMenu1->popup(event->globalPos());
}

void TGameForm::closeEvent(QCloseEvent* event) {
    if (Dragging() || !FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TGameForm::FormClose() {
    FormPlacement1.SaveFormPlacement(this);
    EmptyAllPiles();
}
