#include "screens/cards_screen.h"

#include "money/money_text.h"
#include "widgets/theme.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

namespace plenwick {

namespace {

// Drops every "|" typed or pasted, so a saved card always reads back whole.
class NoPipeValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        const auto before = static_cast<int>(input.left(pos).count(QLatin1Char('|')));
        input.remove(QLatin1Char('|'));
        pos -= before;
        return Acceptable;
    }
};

struct Field {
    const char* name;
    const char* captionObject;
    const char* caption;
    Qt::Alignment alignment;
    std::optional<Pattern> pattern; // the normal form the box takes on leaving
    const char* tip;
};

const Field kFields[CardRow::FieldCount] = {
    {"CardNameText", "Label3_0", "Card Name", Qt::AlignCenter, std::nullopt,
     "A name you know the card by, such as Harbor Gold"},
    {"AnnualFeeText", "Label4", "Annual Fee", theme::kAmountAlignment, Pattern::Money,
     "The card's yearly fee, such as $95.00; empty or 0 for none"},
    {"InterestRateText", "Label5", "Interest Rate", theme::kAmountAlignment, Pattern::Rate,
     "The yearly interest rate (APR) in percent, such as 18.9; each month is charged a twelfth of it"},
    {"TotalDueText", "Label6", "Total Due", theme::kAmountAlignment, Pattern::Money,
     "The balance on your latest statement, such as $2,750.50"},
    {"MinimumPaymentText", "Label7", "Minimum Monthly Payment", theme::kAmountAlignment, Pattern::Money,
     "The minimum payment on your statement"},
    {"ActualPaymentText", "Label8", "Actual Monthly Payment", theme::kAmountAlignment, Pattern::Money,
     "What you really pay each month; My Savings and Best Offers count with it"},
};

} // namespace

CardsScreen::CardsScreen(QWidget* parent)
    : CardScreen(parent)
{
    setObjectName(QStringLiteral("Picture1_0"));
    QVBoxLayout* layout = scrolledScreenLayout(this);
    addHeader(this, layout, QStringLiteral("Label1_0"),
              QStringLiteral("To get started using this application please enter the information from your current "
                             "credit card(s). There are spaces for up to 5 cards so use as many as you need."));
    CardGrid grid(this, layout, theme::kCardsCaptionWidth, 0);

    const auto boxes = columns();
    for (int field = 0; field < CardRow::FieldCount; ++field) {
        const Field& about = kFields[field];
        const int row = grid.addRow();
        const QString caption = QString::fromLatin1(about.caption);
        grid.addCaption(row, QString::fromLatin1(about.captionObject), caption);
        *boxes[field] = grid.addPerCard<QLineEdit>(row, about.name, caption, [&](int) {
            QLineEdit* box = textBox(this, about.alignment);
            box->setValidator(new NoPipeValidator(box));
            connect(box, &QLineEdit::textEdited, this, &CardsScreen::cardsEdited);
            if (about.pattern) {
                m_normalised.insert(box, *about.pattern);
                box->installEventFilter(this);
            }
            return box;
        });
        explain(*boxes[field], QString::fromLatin1(about.tip));
    }
    setCardByCardTabOrder(m_name, m_annualFee, m_rate, m_totalDue, m_minimumPayment, m_actualPayment);

    QPushButton* save = commandButton(this, QStringLiteral("SaveCMD"), QStringLiteral("Save"));
    save->setToolTip(QStringLiteral("Saves your cards now (Ctrl+S); they are also saved when you leave My Cards"));
    save->setFixedHeight(theme::kCommandHeight);
    const int spacer = grid.addRow();
    grid.layout()->setRowMinimumHeight(spacer, 12);
    grid.layout()->addWidget(save, grid.addRow(), 1);
    QWidget::setTabOrder(m_actualPayment[kCardCount - 1], save);

    for (auto [note, name] : {std::pair(&m_advanceNote, "advanceNote"), std::pair(&m_readOnlyNote, "readOnlyNote")}) {
        *note = new QLabel(this);
        (*note)->setObjectName(QLatin1String(name));
        (*note)->setFont(theme::captionFont());
        (*note)->setWordWrap(true);
        (*note)->setStyleSheet(theme::noteStyle());
        (*note)->setVisible(false);
        layout->addWidget(*note);
    }

    const Navigation navigation = addNavigation(this, layout, 0);
    navigation.previous->setVisible(false);

    connect(save, &QPushButton::clicked, this, &CardsScreen::saveRequested);
    connect(navigation.next, &QPushButton::clicked, this, &CardsScreen::nextRequested);
}

std::array<PerCard<QLineEdit>*, CardRow::FieldCount> CardsScreen::columns()
{
    return {&m_name, &m_annualFee, &m_rate, &m_totalDue, &m_minimumPayment, &m_actualPayment};
}

std::array<const PerCard<QLineEdit>*, CardRow::FieldCount> CardsScreen::columns() const
{
    return {&m_name, &m_annualFee, &m_rate, &m_totalDue, &m_minimumPayment, &m_actualPayment};
}

QWidget* CardsScreen::firstField() const { return m_name[0]; }

CardBook CardsScreen::cards() const
{
    CardBook book;
    const auto boxes = columns();
    for (int row = 0; row < kCardCount; ++row) {
        for (int field = 0; field < CardRow::FieldCount; ++field)
            book[row].fields[field] = (*boxes[field])[row]->text();
    }
    return book;
}

void CardsScreen::setCards(const CardBook& book)
{
    const auto boxes = columns();
    for (int row = 0; row < kCardCount; ++row) {
        for (int field = 0; field < CardRow::FieldCount; ++field)
            (*boxes[field])[row]->setText(book[row].fields[field]);
    }
}

void CardsScreen::showAdvanceNote(const QString& text)
{
    m_advanceNote->setText(text);
    m_advanceNote->setVisible(!text.isEmpty());
}

void CardsScreen::showReadOnlyNote(const QString& text)
{
    m_readOnlyNote->setText(text);
    m_readOnlyNote->setVisible(!text.isEmpty());
}

bool CardsScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto pattern = m_normalised.constFind(watched);
        if (pattern != m_normalised.constEnd()) {
            auto* box = static_cast<QLineEdit*>(watched);
            box->setText(QString::fromStdString(FormatByPattern(box->text().toStdString(), *pattern)));
        }
    }
    return CardScreen::eventFilter(watched, event);
}

} // namespace plenwick
