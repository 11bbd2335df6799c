#include "GameForm.h"
#include "MenuNote.h"

#include "CardDrag.h"
#include "DealTracker.h"
#include "GameRegistry.h"
#include "Dialogs.h"
#include "KeyboardPlay.h"
#include "Preferences.h"
#include "SoundManager.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
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

TGameForm::TGameForm(const TGameInfo& info, const TLayout& layout, QWidget* parent)
    : QWidget(parent, Qt::Window), info_(info) {
    if (info.Fixed)
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setObjectName(info.ClassName);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(GameTitle(info.Name));
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
    CreateViews(layout);
    Tableau = ViewsOf(TPileSlot::Tableau);
    Foundation = ViewsOf(TPileSlot::Foundation);
    FreeCells = ViewsOf(TPileSlot::Cell);
    TDragLayer::Of(this)->OnDragOver = [this](QObject* s, TCardPileView* src, int x, int y, bool& accept) {
        FormDragOver(s, src, x, y, accept);
    };
    References().insert(info.ClassName, this);
}

TGameForm::~TGameForm() {
    CancelSolverWork();
    keyboard_.reset();
    if (References().value(info_.ClassName) == this) References().remove(info_.ClassName);
    if (deals_) deals_->Leave();
    EmptyAllPiles();
    if (UndoList) UndoList->Clear();
    ReleaseDeal();
}

void TGameForm::CreateViews(const TLayout& layout) {
    InitCardImagery();
    for (const TPileSlot& slot : layout) {
        if (slot.Kind == TPileSlot::Label) {
            auto* label = new QLabel(this);
            label->setObjectName(slot.Name);
            label->setGeometry(slot.Left, slot.Top, slot.Width, slot.Height);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            labels_.emplace_back(slot.Name, label);
            continue;
        }
        auto* view = new TCardPileView(this);
        view->setObjectName(slot.Name);
        view->setGeometry(slot.Left, slot.Top, slot.Width, slot.Height);
        view->XOffset = slot.XOffset;
        view->YOffset = slot.YOffset;
        view->IsBordered = (slot.Options & TPileSlot::Bordered) != 0;
        view->AllowDrag = (slot.Options & TPileSlot::Draggable) != 0;
        view->ShowHint = (slot.Options & TPileSlot::Hint) != 0;
        view->ManualDrop = (slot.Options & TPileSlot::ManualDrop) != 0;
        view->DragDelayed = (slot.Options & TPileSlot::DragDelayed) != 0;
        view->State = slot.State;
        if (slot.Options & TPileSlot::Black) view->SetColor(Qt::black);
        if (slot.Options & TPileSlot::Hidden) view->hide();
        views_.push_back(view);
        slots_.push_back(slot);
    }
}

QLabel* TGameForm::LayoutLabel(const QString& name) const {
    for (const auto& [labelName, label] : labels_)
        if (labelName == name) return label;
    return nullptr;
}

TCardPileView* TGameForm::PileView(const QString& name) const {
    for (TCardPileView* view : views_)
        if (view->objectName() == name) return view;
    return nullptr;
}

bool TGameForm::FaceDownAllowed(const TCardPileView* view) const {
    for (std::size_t i = 0; i < views_.size(); ++i)
        if (views_[i] == view)
            return TPileSlot::MayHoldFaceDown(slots_[i].Kind) || (slots_[i].Options & TPileSlot::FaceDown) != 0;
    return false;
}

std::vector<TCardPileView*> TGameForm::ViewsOf(TPileSlot::Role role) const {
    std::vector<TCardPileView*> result;
    for (std::size_t i = 0; i < views_.size(); ++i)
        if (slots_[i].Kind == role) result.push_back(views_[i]);
    return result;
}

bool TGameForm::AddOptionItems(QMenu*) { return false; }

void TGameForm::BuildMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->setToolTipsVisible(true);
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        CompleteMenu();
        BeforeMenuShows();
        UpdateRedoItem();
    });
    auto command = [this](const QString& name, const QString& caption, const QKeySequence& key) {
        return AddCommandItem(PopupMenu1, name, caption, key);
    };
    Undo1 = command(QStringLiteral("Undo1"), tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Undo1->setEnabled(false);
    connect(Undo1, &QAction::triggered, this, [this] {
        if (Dragging() || !UndoList || UndoList->RecordCount() == 0) return;
        ActionEnds();
        Undo1Click();
        MoveLog.Undone(UndoList->RecordCount());
        TableChanged();
    });
    PopupMenu1->addSeparator()->setObjectName(info_.FirstSeparator);
    if (AddOptionItems(PopupMenu1)) PopupMenu1->addSeparator()->setObjectName(info_.SecondSeparator);
    NewGame1 = command(info_.NewGameName, tr("&New Game"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Restart1 = command(info_.RestartName, tr("&Restart"), {});
    connect(NewGame1, &QAction::triggered, this, [this] { NewGame1Click(NewGame1); });
    connect(Restart1, &QAction::triggered, this, [this] { NewGame1Click(Restart1); });
    AddExtraCommands(PopupMenu1);
    Preferences1 = command(QStringLiteral("Preferences1"), tr(info_.PreferencesCaption.toUtf8().constData()), {});
    About1 = command(QStringLiteral("About1"), tr(info_.RulesCaption.toUtf8().constData()), {});
    connect(Preferences1, &QAction::triggered, this, [this] { Preferences1Click(); });
    connect(About1, &QAction::triggered, this, [this] { About1Click(); });
    AddPlayerAids();
    AddStatisticsCommands();
    AddSolverCommands();
}

QAction* TGameForm::AppendCommand(const QString& name, const QString& caption, const QKeySequence& key) {
    QAction* action = AddCommandItem(nullptr, name, caption, key);
    appended_.push_back(action);
    return action;
}

void TGameForm::CompleteMenu() {
    if (appendedShown_ || appended_.empty()) return;
    appendedShown_ = true;
    PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N9"));
    for (QAction* action : appended_) {
        if (action != nullptr) PopupMenu1->addAction(action);
        else PopupMenu1->addSeparator();
    }
}

void TGameForm::FormCreate() {
    if (created_) return;
    BuildMenu();
    ApplyBackground();
    ReadOptions();
    keyboard_ = std::make_unique<TKeyboardPlay>(*this);
    UndoList = std::make_unique<TCardUndo>(this);
    UndoList->MenuItem = Undo1;
    UndoList->OnRecord = [this] { Deals().PlayerActed(); };
    Undo1->setEnabled(false);
    NewDeal(true);
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
    TMenuNote::ShowOnce(this);
}

int TGameForm::UpdateScore() {
    FoundationCount = CountScore();
    setWindowTitle(FoundationCount <= 0 ? GameTitle(info_.Name)
                                        : tr("%1   Score: %2").arg(GameTitle(info_.Name)).arg(FoundationCount));
    return FoundationCount;
}

bool TGameForm::CheckWinScore() {
    if (!info_.IsWinningScore(FoundationCount)) return false;
    GameWon = true;
    Deals().Won();
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
    AfterPreferences();
    RepaintAll();
}

void TGameForm::About1Click() { Dialogs().ShowHelp(this, info_.HelpTopic); }

bool TGameForm::FormCloseQuery() {
    bool allowed = true;
    if (MoveCount >= info_.QuitThreshold && !GameWon)
        allowed = Dialogs().Confirm(this, tr("Quit this game of %1?").arg(GameTitle(info_.Name)));
    GameCloseAllowed = allowed;
    return allowed;
}

void TGameForm::NewGame1Click(QObject* sender) {
    if (Dragging()) return;
    const bool newDeal = sender != Restart1;
    if (MoveCount > info_.QuitThreshold && !GameWon) {
        if (newDeal) {
            if (!FormCloseQuery()) return;
        } else if (!Dialogs().Confirm(this, tr("Restart this game of %1?").arg(GameTitle(info_.Name)))) {
            return;
        }
    }
    Deals().Leave(); // before the table clears: the player may be told the figures' fate
    EmptyAllPiles();
    RepaintAll();
    if (newDeal) NewDeal(false);
    else StartDeal(false, false);
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



bool TGameForm::Dragging() const {
    for (TCardPileView* view : views_)
        if (view->IsDragging()) return true;
    return false;
}

void TGameForm::FormResize() {
    if (!created_ || info_.Fixed) return;
    if (info_.ResizeMargin != 0)
        for (TCardPileView* view : Tableau) view->resize(view->width(), qMax(1, height() - info_.ResizeMargin));
    for (std::size_t i = 0; i < views_.size(); ++i)
        if (slots_[i].BottomMargin != 0) views_[i]->move(views_[i]->x(), height() - slots_[i].BottomMargin);
    TableChanged();
}

void TGameForm::PlayerStockClick() {
    ActionStarts(TMove::Stock(IndexOf(StockView())));
    StockClick();
    ActionEnds();
}

void TGameForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

bool TGameForm::focusNextPrevChild(bool next) {
    // Tab and Shift+Tab step between groups of piles.
    if (keyboard_ && !Dragging()) keyboard_->NextGroup(next);
    return true;
}

void TGameForm::keyPressEvent(QKeyEvent* event) {
    if (FindingDeal() && event->key() != Qt::Key_F1) return QWidget::keyPressEvent(event);
    if (keyboard_ && !Dragging() && keyboard_->Key(event)) return;
    if (event->key() == Qt::Key_F1) {
        About1Click();
        return;
    }
    if (event->key() == Qt::Key_Space && HasStock()) {
        if (!Dragging()) PlayerStockClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TGameForm::mousePressEvent(QMouseEvent* event) {
    if (FindingDeal()) return QWidget::mousePressEvent(event);
    if (event->button() == Qt::MiddleButton && HasStock()) {
        if (!Dragging()) PlayerStockClick();
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
    CancelSolverWork();
    FormPlacement1.SaveFormPlacement(this);
    Deals().Leave();
    OnFormClose();
    EmptyAllPiles();
}
