#include "screens/savings_screen.h"

#include "calculations/savings.h"
#include "models/card_numbers.h"
#include "models/offer_ranking_job.h"
#include "models/shown_text.h"
#include "plan/plan_summary.h"
#include "widgets/result_blinker.h"
#include "widgets/theme.h"

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
        items << shownText(MonthCount(months));
    return items;
}

QStringList amountItems()
{
    QStringList items;
    for (int amount = 25; amount <= 1000; amount += 25)
        items << (amount < 1000 ? QStringLiteral("$%1 ").arg(amount) : QStringLiteral("$1,000 "));
    return items;
}

// The item text chosen in a list, or none.
std::optional<std::string> chosenItem(const QComboBox* list)
{
    if (list->currentIndex() < 0)
        return std::nullopt;
    return list->currentText().toStdString();
}

} // namespace

SavingsScreen::SavingsScreen(ScreenContext context, QWidget* parent)
    : CardScreen(parent)
    , m_context(std::move(context))
{
    setObjectName(QStringLiteral("Picture1_2"));
    QVBoxLayout* layout = scrolledScreenLayout(this);
    layout->setSpacing(4);
    addHeader(this, layout, QStringLiteral("Label1_1"),
              QStringLiteral("This screen enables you to work out how much money you could save by paying more, "
                             "paying quicker or switching to another credit card."));
    if (m_context.noServer) {
        QLabel* note = addHeader(this, layout, QStringLiteral("noServerNote"), kNoServerText);
        note->setStyleSheet(theme::noteStyle());
    }
    CardGrid grid(this, layout, theme::kSavingsCaptionWidth, 10);
    grid.layout()->setVerticalSpacing(3);
    const CardCopies copies = addCardCopies(grid, this, "Label3_2", "CardName3Text", "Label13_0", "TotalDue3Text");
    m_name = copies.names;
    m_totalDue = copies.totals;
    addSwitchingRows(grid);
    addFastRepaymentRows(grid);
    addBiggerRepaymentRows(grid);
    const PerCard<QPushButton> calculate =
        grid.addPerCard<QPushButton>(grid.addRow(), "CalSavingsCMD", QStringLiteral("Calculate savings"), [&](int) {
            QPushButton* button = commandButton(this, {}, QStringLiteral("Calculate"));
            button->setFont(theme::savingsButtonFont());
            return button;
        });
    setCardByCardTabOrder(m_offerChoice, m_showDetails, m_monthsChoice, m_amountChoice, calculate);

    const Navigation navigation = addNavigation(this, layout, 2);
    for (int card = 0; card < kCardCount; ++card) {
        connect(calculate[card], &QPushButton::clicked, this, [this, card] { calculateSavings(card); });
        // activated: the person's choice, even of the item already shown.
        connect(m_offerChoice[card], &QComboBox::activated, this, [this, card] { calculateSavings(card); });
        connect(m_showDetails[card], &LinkLabel::clicked, this, [this, card] { showDetails(card); });
        for (QLabel* answer : {m_fastSavings[card], m_biggerSavings[card], m_switchSavings[card]})
            m_context.blinker->watch(answer);
    }
    connect(navigation.previous, &QPushButton::clicked, this, &SavingsScreen::previousRequested);
    connect(navigation.next, &QPushButton::clicked, this, &SavingsScreen::nextRequested);
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
    m_offerChoice = grid.addPerCard<QComboBox>(choiceRow, "CardCombo", QStringLiteral("Card to switch to"),
                                               [&](int) { return choiceList(this, {}); });
    m_showDetails =
        grid.addPerCard<LinkLabel>(choiceRow + 1, "ShowDetailsLable", QStringLiteral("Show Details"),
                                   [&](int) { return new LinkLabel(QStringLiteral("Show Details"), this); });
    const int answerRow = grid.addRow();
    grid.addCaption(answerRow, QStringLiteral("Label13_9"), kYourSavings);
    m_switchSavings =
        grid.addPerCard<QLabel>(answerRow, "Savings3Lable", QStringLiteral("Savings by switching card"), [&](int) {
            QLabel* label = resultLabel(this);
            label->setMinimumHeight(theme::kSwitchingAnswerHeight);
            return label;
        });
    m_switchNote = grid.addPerCard<QLabel>(grid.addRow(), "switchNote", QStringLiteral("Switching with its fees"),
                                           [&](int) { return noteLine(this); });
}

void SavingsScreen::addFastRepaymentRows(CardGrid& grid)
{
    addOptionHeading(grid, "Label13_1", "Option 2: Fast repayment");
    const int choiceRow = grid.addRow();
    grid.addCaption(choiceRow, QStringLiteral("Label13_2"), QStringLiteral("How much will I save if I pay quickly in"));
    m_monthsChoice = grid.addPerCard<QComboBox>(choiceRow, "MonthsCombo", QStringLiteral("Months to pay off"),
                                                [&](int) { return choiceList(this, monthItems()); });
    const int answerRow = grid.addRow();
    grid.addCaption(answerRow, QStringLiteral("Label13_7"), kYourSavings);
    m_fastSavings = grid.addPerCard<QLabel>(answerRow, "Savings1Lable", QStringLiteral("Savings by fast repayment"),
                                            [&](int) { return resultLabel(this); });
    m_fastNote = grid.addPerCard<QLabel>(grid.addRow(), "fastNote", QStringLiteral("Interest saved by fast repayment"),
                                         [&](int) { return noteLine(this); });
}

void SavingsScreen::addBiggerRepaymentRows(CardGrid& grid)
{
    addOptionHeading(grid, "Label13_3", "Option3: Bigger repayment");
    const int choiceRow = grid.addRow();
    grid.addCaption(choiceRow, QStringLiteral("Label13_4"),
                    QStringLiteral("How much will I save if I pay bigger amount"));
    m_amountChoice = grid.addPerCard<QComboBox>(choiceRow, "AmountCombo", QStringLiteral("Monthly amount"),
                                                [&](int) { return choiceList(this, amountItems()); });
    const int answerRow = grid.addRow();
    grid.addCaption(answerRow, QStringLiteral("Label13_8"), kYourSavings);
    m_biggerSavings = grid.addPerCard<QLabel>(answerRow, "Savings2Lable", QStringLiteral("Savings by bigger repayment"),
                                              [&](int) { return resultLabel(this); });
    m_biggerNote =
        grid.addPerCard<QLabel>(grid.addRow(), "biggerNote", QStringLiteral("Interest saved by bigger repayment"),
                                [&](int) { return noteLine(this); });
}

void SavingsScreen::enter(const CardBook& book)
{
    m_cards = book;
    copyNamesAndTotals(book, m_name, m_totalDue);
    listOffers();
    for (int row = 0; row < kCardCount; ++row) {
        if (m_totalDue[row]->text().isEmpty())
            continue;
        m_offerChoice[row]->setCurrentIndex(0);
        calculateSavings(row);
    }
}

// Every row lists the same offers; with none, the single placeholder. A
// choice made before is lost.
void SavingsScreen::listOffers()
{
    m_listed = m_offers;
    QStringList names;
    for (const OfferRecord& offer : m_listed)
        names << offer.cardName;
    if (names.isEmpty())
        names << shownText(std::string(kNoCardFound));
    for (QComboBox* choice : m_offerChoice) {
        choice->clear();
        choice->addItems(names);
        // Filling an empty list selects its first item; nothing is chosen yet.
        choice->setCurrentIndex(-1);
    }
}

const OfferRecord* SavingsScreen::chosenOffer(int row) const
{
    const int position = m_offerChoice[row]->currentIndex();
    return position >= 0 && static_cast<std::size_t>(position) < m_listed.size()
               ? &m_listed[static_cast<std::size_t>(position)]
               : nullptr;
}

SavingsRow SavingsScreen::savingsRowOf(int row) const
{
    SavingsRow savingsRow;
    savingsRow.totalDue = m_totalDue[row]->text().toStdString();
    savingsRow.interestRate = m_cards[row][CardRow::InterestRate].toStdString();
    savingsRow.actualPayment = m_cards[row][CardRow::ActualPayment].toStdString();
    savingsRow.monthsItem = chosenItem(m_monthsChoice[row]);
    savingsRow.amountItem = chosenItem(m_amountChoice[row]);
    const auto chosenName = chosenItem(m_offerChoice[row]);
    if (!chosenName)
        return savingsRow;
    if (const OfferRecord* offer = chosenOffer(row)) {
        savingsRow.offer = SavingsOffer{*chosenName, offer->introMonths.toStdString(), offer->introRate.toStdString(),
                                        offer->regularRate.toStdString()};
    } else {
        savingsRow.offer = SavingsOffer{*chosenName, {}, {}, {}, true};
    }
    return savingsRow;
}

void SavingsScreen::calculateSavings(int row)
{
    const auto problem = unreadableCardNumber(row, m_cards[row][CardRow::InterestRate], m_totalDue[row]->text());
    if (problem) {
        m_context.messages->show(this, *problem, MessageIcon::Warning);
        return;
    }
    const PerCard<QLabel>* labels[] = {&m_fastSavings, &m_biggerSavings, &m_switchSavings};
    const SavingsAnswer answer = SavingsOptions(savingsRowOf(row));
    for (const SavingsStep& step : answer.steps) {
        const QString text = shownText(step.text);
        if (step.kind == SavingsStep::Kind::Message)
            m_context.messages->show(this, text, MessageIcon::Information);
        else
            (*labels[static_cast<int>(step.label)])[row]->setText(text);
    }
    showNote(m_fastNote[row], shownText(answer.fastInterest));
    showNote(m_biggerNote[row], shownText(answer.biggerInterest));
    showNote(m_switchNote[row], switchNote(row));
}

QString SavingsScreen::switchNote(int row) const
{
    const OfferRecord* offer = chosenOffer(row);
    const std::vector<DebtCard> card = debtCardsOf(std::span(m_cards).subspan(static_cast<std::size_t>(row), 1));
    if (!offer || card.empty())
        return {};
    return shownText(SwitchSummary(card.front(), rankOffersOf({*offer})->front()));
}

void SavingsScreen::showDetails(int row)
{
    const OfferRecord* offer = chosenOffer(row);
    if (!offer)
        return;
    if (!OpenInBrowser(offer->detailsAddress, *m_context.opener) && WebAddress(offer->detailsAddress)) {
        m_context.messages->show(
            this,
            QStringLiteral("No web browser could be started to show the offer's page:\n%1").arg(offer->detailsAddress),
            MessageIcon::Warning);
    }
}

} // namespace plenwick
