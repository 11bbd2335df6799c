// Event wiring from a short table: one line per pile role names the game's
// handlers, and Bind hands them to every view of that role.
//
//   Bind(this, Tableau, {.MouseDown = &TKlondikeForm::TableauPileView1MouseDown,
//                        .DblClick = &TKlondikeForm::DiscardPileViewDblClick, ...});
//
// Handlers of the frame (FormMouseDown, FormDragOver) may be named for any game.
#pragma once

#include "CardPileView.h"

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

template <class Form>
void Bind(Form* form, const std::vector<TCardPileView*>& views, const TPileHandlers<Form>& h) {
    for (TCardPileView* view : views) {
        if (auto f = h.MouseDown)
            view->OnMouseDown = [form, f](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
                (form->*f)(s, b, m, x, y);
            };
        if (auto f = h.Click) view->OnClick = [form, f](QObject* s) { (form->*f)(s); };
        if (auto f = h.DblClick) view->OnDblClick = [form, f](QObject* s) { (form->*f)(s); };
        if (auto f = h.StartDrag) view->OnStartDrag = [form, f](QObject* s) { (form->*f)(s); };
        if (auto f = h.DragOver)
            view->OnDragOver = [form, f](QObject* s, TCardPileView* src, int x, int y, bool& accept) {
                (form->*f)(s, src, x, y, accept);
            };
        if (auto f = h.DragDrop)
            view->OnDragDrop = [form, f](QObject* s, TCardPileView* src, int x, int y) { (form->*f)(s, src, x, y); };
        if (auto f = h.EndDrag)
            view->OnEndDrag = [form, f](QObject* s, QObject* t, int x, int y) { (form->*f)(s, t, x, y); };
    }
}
