#include "DemoTable.h"

#include <QPainter>

TDemoTable::TDemoTable() {
    resize(520, 420);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 64, 0));
    setPalette(pal);
    Background = new TzBackground(this);
    Background->setObjectName(QStringLiteral("zBackground1"));
    Background->SetBackType(btNormal);

    for (int i = 0; i < 4; ++i) {
        auto* column = new TCardPileView(this);
        column->setObjectName(QStringLiteral("TableauPileView%1").arg(i + 1));
        column->setGeometry(8 + 96 * i, 152, 80, 260);
        column->YOffset = 20.0f;
        column->AllowDrag = true;
        Column[i] = column;
        Wire(column);
    }
    Foundation = new TCardPileView(this);
    Foundation->setObjectName(QStringLiteral("FoundationPile1"));
    Foundation->move(392, 8);
    Foundation->IsBordered = true;
    Wire(Foundation);

    Stock = new TCardPileView(this);
    Stock->setObjectName(QStringLiteral("DeckPileView"));
    Stock->setGeometry(8, 8, 121, 129);
    Stock->XOffset = 1.0f;
    Stock->YOffset = 0.2f;
    Stock->State = FS_RECYCLE;
    Wire(Stock);

    Waste = new TCardPileView(this);
    Waste->setObjectName(QStringLiteral("DiscardPileView"));
    Waste->setGeometry(144, 8, 137, 129);
    Waste->XOffset = 20.0f;
    Waste->YOffset = 2.0f;
    Waste->AllowDrag = true;
    Wire(Waste);

    TDragLayer* layer = TDragLayer::Of(this);
    layer->OnDragOver = [this](QObject* sender, TCardPileView* source, int, int, bool& accept) {
        Log.push_back("DragOver " + NameOf(sender));
        accept = TableAccepts && source->DropTarget != nullptr;
    };
    layer->OnDragDrop = [this](QObject* sender, TCardPileView*, int, int) { Log.push_back("DragDrop " + NameOf(sender)); };

    Deck.AddDeck();
}

TDemoTable::~TDemoTable() {
    for (TCardPileView* view : findChildren<TCardPileView*>()) {
        view->Pile->Empty(false);
        view->DragPile->Empty(false);
    }
    Deck.Empty(true);
}

std::string TDemoTable::NameOf(QObject* object) const {
    if (object == nullptr) return "none";
    if (object == this) return "Form";
    return object->objectName().toStdString();
}

void TDemoTable::Wire(TCardPileView* view) {
    view->OnMouseDown = [this](QObject* sender, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
        auto* v = static_cast<TCardPileView*>(sender);
        Log.push_back("MouseDown " + NameOf(sender));
        if (button == Qt::LeftButton && v->SelectedCard != nullptr && v->SelectedCard->FaceUp) v->CanDrag = true;
    };
    view->OnMouseUp = [this](QObject* sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
        Log.push_back("MouseUp " + NameOf(sender));
    };
    view->OnClick = [this](QObject* sender) { Log.push_back("Click " + NameOf(sender)); };
    view->OnStartDrag = [this](QObject* sender) {
        Log.push_back("StartDrag " + NameOf(sender));
        static_cast<TCardPileView*>(sender)->update();
    };
    view->OnDragOver = [this](QObject* sender, TCardPileView* source, int, int, bool& accept) {
        auto* target = static_cast<TCardPileView*>(sender);
        Log.push_back("DragOver " + NameOf(sender));
        const bool column = target->objectName().startsWith(QStringLiteral("Tableau"));
        const bool foundation = target == Foundation && source->DragPile->GetCardCount() == 1;
        if (target != source && ((column && ColumnsAccept) || foundation)) source->DropTarget = target;
        accept = source->DropTarget != nullptr;
    };
    view->OnDragDrop = [this](QObject* sender, TCardPileView*, int, int) { Log.push_back("DragDrop " + NameOf(sender)); };
    view->OnEndDrag = [this](QObject* sender, QObject* target, int, int) {
        auto* v = static_cast<TCardPileView*>(sender);
        Log.push_back("EndDrag " + NameOf(sender) + " -> " + NameOf(target) + " drop " + NameOf(v->DropTarget));
    };
}

void TDemoTable::Deal(const std::vector<int>& counts) {
    int next = 0;
    for (std::size_t c = 0; c < counts.size() && c < 4; ++c) {
        Column[c]->Pile->Empty(false);
        for (int i = 0; i < counts[c]; ++i) {
            TCard* card = Deck.Cards[static_cast<std::size_t>(next++)];
            card->FaceUp = true;
            Column[c]->Pile->AddCard(card);
        }
        Column[c]->update();
    }
}

void TDemoTable::ApplyBackground(TzBackType type, gradType fill) {
    Background->SetBackType(type);
    if (type == btBlend) {
        Background->SetColor(QColor(0, 0, 160));
        Background->SetEndColor(QColor(0, 160, 0));
        Background->SetFillType(fill);
    }
    if (type == btBitmap) {
        QImage tile(64, 48, QImage::Format_RGB32);
        tile.fill(QColor(90, 60, 30));
        QPainter p(&tile);
        p.fillRect(0, 0, 32, 24, QColor(120, 80, 40));
        p.fillRect(32, 24, 32, 24, QColor(60, 40, 20));
        p.end();
        Background->SetBitMap(tile);
    }
    const bool picture = type == btBitmap || (type == btBlend && fill != gCenter);
    for (TCardPileView* view : findChildren<TCardPileView*>()) {
        view->BackgroundMode = picture ? FS_BITMAP : FS_NORMAL;
        view->BackgroundBitmap = picture ? Background->BackBuffer() : nullptr;
        view->update();
    }
    update();
}
