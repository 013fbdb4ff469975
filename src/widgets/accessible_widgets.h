#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace plenwick {

// What screen readers are told about the window's own kinds of control,
// beyond what Qt tells them:
// - an answer label is named by what it answers ("Months to pay off, Card 2")
//   and gives the answer as its value and description ("70 months"); it stays
//   showing for them while it blinks, for as long as it holds an answer;
// - a screen button is a page tab with its caption, not a check box;
// - a choice list that has an accessible name goes by that name, not by the
//   item chosen (which stays its value).
// Installed once, before the first of these controls is asked about.
void useAccessibleInterfaces();

// Names the control for screen readers, as setAccessibleName does, and has
// its interface made afresh, as it may have been made while the control was
// being built, before it had a name or a kind of its own.
void nameForScreenReaders(QWidget* widget, const QString& name);

// The label holds answers from now on, under its accessible name; an empty
// text or "-" is no answer.
void markAsAnswer(QLabel* label);
// Writes an answer and tells screen readers that it changed.
void setAnswer(QLabel* label, const QString& text);

// The button brings one of the window's screens to the front.
void markAsScreenTab(QPushButton* button);

} // namespace plenwick
