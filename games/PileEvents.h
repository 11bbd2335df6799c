// Event wiring from a short table: one line per pile role names the game's
// handlers, and Bind hands them to every view of that role.
//
//   Bind(this, Tableau, {.MouseDown = &TKlondikeForm::TableauPileView1MouseDown,
//                        .DblClick = &TKlondikeForm::DiscardPileViewDblClick, ...});
//
// Handlers of the frame (FormMouseDown, FormDragOver) may be named for any game.
#pragma once

#include "GameForm.h"

#include <vector>

template <class Form> struct TPileHandlers {
    void (Form::*MouseDown)(QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) = nullptr;
    void (Form::*Click)(QObject*) = nullptr;
    void (Form::*DblClick)(QObject*) = nullptr;
    void (Form::*StartDrag)(QObject*) = nullptr;
    void (Form::*DragOver)(QObject*, TCardPileView*, int, int, bool&) = nullptr;
    void (Form::*DragDrop)(QObject*, TCardPileView*, int, int) = nullptr;
    void (Form::*EndDrag)(QObject*, QObject*, int, int) = nullptr;
};

// Every handler runs inside the frame's note of the player's action, so that
// the moves a player makes are known as moves (Redo plays them again).
template <class Form>
void Bind(Form* form, const std::vector<TCardPileView*>& views, const TPileHandlers<Form>& h) {
    TGameForm* frame = form;
    for (TCardPileView* view : views) {
        if (auto f = h.MouseDown)
            view->OnMouseDown = [form, frame, f](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
                frame->ActionStarts(frame->PressMove(static_cast<TCardPileView*>(s), b, m));
                (form->*f)(s, b, m, x, y);
                frame->ActionEnds();
            };
        if (auto f = h.Click)
            view->OnClick = [form, frame, f](QObject* s) {
                auto* v = static_cast<TCardPileView*>(s);
                frame->ActionStarts(v == frame->StockView() ? TMove::Stock(frame->IndexOf(v))
                                                          : TMove::PressOn(frame->IndexOf(v), v->Pile->CardIndex(v->SelectedCard)));
                (form->*f)(s);
                frame->ActionEnds();
            };
        if (auto f = h.DblClick)
            view->OnDblClick = [form, frame, f](QObject* s) {
                auto* v = static_cast<TCardPileView*>(s);
                frame->ActionStarts(TMove::Home(frame->IndexOf(v), static_cast<int>(v->Pile->Cards.size()) - 1), 1);
                (form->*f)(s);
                frame->ActionEnds();
            };
        if (h.StartDrag || h.MouseDown) {
            // The drop is one action from the lift to the end of the drag.
            auto start = h.StartDrag;
            view->OnStartDrag = [form, frame, start](QObject* s) {
                auto* v = static_cast<TCardPileView*>(s);
                frame->ActionStarts(TMove::DropOn(frame->IndexOf(v), static_cast<int>(v->Pile->Cards.size()), -1),
                                   static_cast<int>(v->DragPile->Cards.size()));
                if (start) (form->*start)(s);
            };
            auto end = h.EndDrag;
            view->OnEndDrag = [form, frame, end](QObject* s, QObject* t, int x, int y) {
                frame->ActionTarget(static_cast<TCardPileView*>(s)->DropTarget);
                if (end) (form->*end)(s, t, x, y);
                frame->ActionEnds();
            };
        }
        if (auto f = h.DragOver)
            view->OnDragOver = [form, frame, f](QObject* s, TCardPileView* src, int x, int y, bool& accept) {
                (form->*f)(s, src, x, y, accept);
            };
        if (auto f = h.DragDrop)
            view->OnDragDrop = [form, frame, f](QObject* s, TCardPileView* src, int x, int y) {
                frame->ActionTarget(static_cast<TCardPileView*>(s));
                (form->*f)(s, src, x, y);
            };
    }
}
