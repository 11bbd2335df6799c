#include "CardUndo.h"

#include <QAction>
#include <QApplication>

TCardUndo::TCardUndo(QObject* /*owner*/) : Beep([] { QApplication::beep(); }) {}

TCardUndo::~TCardUndo() { Clear(); }

void TCardUndo::RecordPileMove(TCardPileView* source, TCardPileView* target, const TCardPile* pile) {
    auto copy = std::make_unique<TCardPile>();
    if (pile != nullptr) copy->AddPile(pile);
    Push(source, target, std::move(copy));
}

void TCardUndo::RecordCardMove(TCardPileView* source, TCardPileView* target, TCard* card) {
    auto single = std::make_unique<TCardPile>();
    if (card != nullptr) single->AddCard(card);
    Push(source, target, std::move(single));
}

void TCardUndo::Push(TCardPileView* source, TCardPileView* target, std::unique_ptr<TCardPile> pile) {
    Sources.push_back(source);
    Targets.push_back(target);
    MovedPiles.push_back(std::move(pile));
    EnableMenu(true);
    CheckLengths();
    if (OnRecord) OnRecord();
}

void TCardUndo::PeekLast() {
    if (Sources.empty() || MovedPiles.empty()) {
        LastSource = nullptr;
        LastTarget = nullptr;
        LastPile = nullptr;
        return;
    }
    LastSource = Sources.back();
    LastTarget = Targets.back();
    LastPile = MovedPiles.back().get();
}

void TCardUndo::UndoLast() {
    CheckLengths();
    if (Sources.empty() || MovedPiles.empty()) {
        LastSource = nullptr;
        LastTarget = nullptr;
        LastPile = nullptr;
        EnableMenu(false);
        return;
    }
    PeekLast();
    // A record with a missing view cannot be reversed without losing cards
    // from one side, so its cards stay where they are.
    if (LastSource != nullptr && LastTarget != nullptr) {
        for (TCard* card : LastPile->Cards) {
            LastTarget->Pile->RemoveCard(card);
            LastSource->Pile->AddCard(card);
        }
    }
    Sources.pop_back();
    Targets.pop_back();
}

void TCardUndo::BeginAction() {
    const int count = RecordCount();
    if (ActionStarts.empty() || ActionStarts.back() != count) ActionStarts.push_back(count);
}

int TCardUndo::LastActionSize() const {
    const int count = RecordCount();
    if (count == 0) return 0;
    // Marks at or past the end belong to actions that made no record yet.
    for (auto it = ActionStarts.rbegin(); it != ActionStarts.rend(); ++it)
        if (*it < count) return count - *it;
    return 1;
}

void TCardUndo::DropLast() {
    if (!MovedPiles.empty()) MovedPiles.pop_back();
    // Marks of undone actions go with their records.
    while (!ActionStarts.empty() && ActionStarts.back() > static_cast<int>(MovedPiles.size())) ActionStarts.pop_back();
    LastPile = nullptr;
    if (MovedPiles.empty()) EnableMenu(false);
}

void TCardUndo::Clear() {
    MovedPiles.clear();
    ActionStarts.clear();
    Sources.clear();
    Targets.clear();
    LastSource = nullptr;
    LastTarget = nullptr;
    LastPile = nullptr;
    EnableMenu(false);
}

void TCardUndo::EnableMenu(bool enabled) {
    if (MenuItem != nullptr) MenuItem->setEnabled(enabled);
}

void TCardUndo::CheckLengths() {
    if (Sources.size() != MovedPiles.size() && Beep) Beep();
}
