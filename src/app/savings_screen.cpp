#include "app/savings_screen.h"

#include "app/theme.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace plenwick {

namespace {

const QString kYourSavings = QStringLiteral("Your Savings");

QComboBox* choiceList(QWidget* parent, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setFont(theme::captionFont());
    list->addItems(items);
    // Nothing is chosen until the person picks an item.
    list->setCurrentIndex(-1);
    return list;
}

QStringList monthItems()
{
    QStringList items;
    for (int months = 1; months <= 48; ++months)
        items << QStringLiteral("%1 months").arg(months);
    return items;
}

QStringList amountItems()
{
    QStringList items;
    for (int amount = 25; amount <= 1000; amount += 25)
        items << (amount < 1000 ? QStringLiteral("$%1 ").arg(amount) : QStringLiteral("$1,000 "));
    return items;
}

} // namespace

SavingsScreen::SavingsScreen(QWidget* parent)
    : ScreenPanel(parent)
{
    setObjectName(QStringLiteral("Picture1_2"));
    QVBoxLayout* layout = screenLayout(this);
    layout->setSpacing(4);
    addHeader(this, layout, QStringLiteral("Label1_1"),
              QStringLiteral("This screen enables you to work out how much money you could save by paying more, "
                             "paying quicker or switching to another credit card."));
    CardGrid grid(this, layout, theme::kSavingsCaptionWidth, 10);
    grid.layout()->setVerticalSpacing(3);
    const CardCopies copies = addCardCopies(grid, this, "Label3_2", "CardName3Text", "Label13_0", "TotalDue3Text");
    CardName3Text = copies.names;
    TotalDue3Text = copies.totals;
    addSwitchingRows(grid);
    addFastRepaymentRows(grid);
    addBiggerRepaymentRows(grid);
    CalSavingsCMD =
        grid.addPerCard<QPushButton>(grid.addRow(), "CalSavingsCMD", QStringLiteral("Calculate savings"), [&](int) {
            QPushButton* button = commandButton(this, {}, QStringLiteral("Calculate"));
            button->setFont(theme::savingsButtonFont());
            return button;
        });
    setCardByCardTabOrder(CardCombo, ShowDetailsLable, MonthsCombo, AmountCombo, CalSavingsCMD);

    const Navigation navigation = addNavigation(this, layout, 2);
    PrevCMD = navigation.previous;
    NextCMD = navigation.next;
    NextCMD->setVisible(false);

    for (int card = 0; card < kCardCount; ++card) {
        connect(CalSavingsCMD[card], &QPushButton::clicked, this, [this, card] { emit savingsAsked(card); });
        // activated: the person's choice, even of the item already shown.
        connect(CardCombo[card], &QComboBox::activated, this, [this, card] { emit offerChosen(card); });
        connect(ShowDetailsLable[card], &LinkLabel::clicked, this, [this, card] { emit detailsAsked(card); });
    }
    connect(PrevCMD, &QPushButton::clicked, this, &SavingsScreen::previousRequested);
}

QLabel* SavingsScreen::addOptionHeading(CardGrid& grid, const char* objectName, const char* text)
{
    QLabel* heading = grid.addCaption(grid.addRow(), QString::fromLatin1(objectName), QString::fromLatin1(text));
    heading->setFont(theme::boldCaptionFont());
    heading->setStyleSheet(theme::optionHeadingStyle());
    heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return heading;
}

void SavingsScreen::addSwitchingRows(CardGrid& grid)
{
    addOptionHeading(grid, "Label13_5", "Option 1: Switching card");
    const int choiceRow = grid.addRow();
    grid.addCaption(choiceRow, QStringLiteral("Label13_6"),
                    QStringLiteral("How much will I save if I switch to one of these Top Currently Available Credit "
                                   "Cards"),
                    2);
    CardCombo = grid.addPerCard<QComboBox>(choiceRow, "CardCombo", QStringLiteral("Card to switch to"),
                                           [&](int) { return choiceList(this, {}); });
    ShowDetailsLable =
        grid.addPerCard<LinkLabel>(choiceRow + 1, "ShowDetailsLable", QStringLiteral("Show Details"),
                                   [&](int) { return new LinkLabel(QStringLiteral("Show Details"), this); });
    const int answerRow = grid.addRow();
    grid.addCaption(answerRow, QStringLiteral("Label13_9"), kYourSavings);
    Savings3Lable =
        grid.addPerCard<QLabel>(answerRow, "Savings3Lable", QStringLiteral("Savings by switching card"), [&](int) {
            QLabel* label = resultLabel(this);
            label->setMinimumHeight(theme::kSwitchingAnswerHeight);
            return label;
        });
}

void SavingsScreen::addFastRepaymentRows(CardGrid& grid)
{
    addOptionHeading(grid, "Label13_1", "Option 2: Fast repayment");
    const int choiceRow = grid.addRow();
    grid.addCaption(choiceRow, QStringLiteral("Label13_2"), QStringLiteral("How much will I save if I pay quickly in"));
    MonthsCombo = grid.addPerCard<QComboBox>(choiceRow, "MonthsCombo", QStringLiteral("Months to pay off"),
                                             [&](int) { return choiceList(this, monthItems()); });
    const int answerRow = grid.addRow();
    grid.addCaption(answerRow, QStringLiteral("Label13_7"), kYourSavings);
    Savings1Lable = grid.addPerCard<QLabel>(answerRow, "Savings1Lable", QStringLiteral("Savings by fast repayment"),
                                            [&](int) { return resultLabel(this); });
}

void SavingsScreen::addBiggerRepaymentRows(CardGrid& grid)
{
    addOptionHeading(grid, "Label13_3", "Option3: Bigger repayment");
    const int choiceRow = grid.addRow();
    grid.addCaption(choiceRow, QStringLiteral("Label13_4"),
                    QStringLiteral("How much will I save if I pay bigger amount"));
    AmountCombo = grid.addPerCard<QComboBox>(choiceRow, "AmountCombo", QStringLiteral("Monthly amount"),
                                             [&](int) { return choiceList(this, amountItems()); });
    const int answerRow = grid.addRow();
    grid.addCaption(answerRow, QStringLiteral("Label13_8"), kYourSavings);
    Savings2Lable = grid.addPerCard<QLabel>(answerRow, "Savings2Lable", QStringLiteral("Savings by bigger repayment"),
                                            [&](int) { return resultLabel(this); });
}

void SavingsScreen::copyCards(const CardBook& book) { copyNamesAndTotals(book, CardName3Text, TotalDue3Text); }

void SavingsScreen::setOfferChoices(const QStringList& names)
{
    for (QComboBox* choice : CardCombo)
        choice->clear();
    for (const QString& name : names) {
        for (QComboBox* choice : CardCombo)
            choice->addItem(name);
    }
    // Filling an empty list selects its first item; nothing is chosen yet.
    for (QComboBox* choice : CardCombo)
        choice->setCurrentIndex(-1);
}

std::optional<std::string> SavingsScreen::chosenItem(const QComboBox* list)
{
    if (list->currentIndex() < 0)
        return std::nullopt;
    return list->currentText().toStdString();
}

} // namespace plenwick
