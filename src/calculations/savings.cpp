#include "calculations/savings.h"

#include "calculations/payoff_run.h"
#include "money/money_amount.h"
#include "money/money_text.h"

#include <cmath>
#include <limits>

namespace plenwick {

namespace {

// Records the captions and messages of one click in the order they happen.
class SavingsReport {
public:
    void write(SavingsLabel label, std::string text)
    {
        captionOf(label) = text;
        m_answer.steps.push_back({SavingsStep::Kind::Caption, label, std::move(text)});
    }

    // A run that stopped early tells the person at once.
    PayoffRunResult run(MoneyAmount balance, const RatePlan& plan, std::optional<MoneyAmount> payment)
    {
        const auto result = PayoffRun(balance, plan, payment);
        tellIfStoppedEarly(result);
        return result;
    }

    // A run past the bound is counted as never paid off, but the payment may
    // well cover the interest: the message would not be true.
    void tellIfStoppedEarly(const PayoffRunResult& result)
    {
        if (result.end == RunEnd::NotCovered)
            m_answer.steps.push_back({SavingsStep::Kind::Message, {}, std::string(kSavingsPaymentsNotEnough)});
    }

    SavingsAnswer& answer() { return m_answer; }
    SavingsAnswer take() { return std::move(m_answer); }

private:
    std::string& captionOf(SavingsLabel label)
    {
        switch (label) {
        case SavingsLabel::FastRepayment: return m_answer.savings1;
        case SavingsLabel::BiggerRepayment: return m_answer.savings2;
        case SavingsLabel::SwitchingCard: return m_answer.savings3;
        }
        return m_answer.savings3;
    }

    SavingsAnswer m_answer;
};

// What a number of months at one payment costs; unset (0) when it cannot be had.
MoneyAmount totalPaid(std::int64_t months, std::optional<MoneyAmount> payment)
{
    const auto total = payment ? payment->times(months) : std::nullopt;
    return total.value_or(MoneyAmount());
}

std::optional<std::string> formattedSaving(MoneyAmount baseTotal, MoneyAmount optionTotal)
{
    const auto saving = baseTotal.minus(optionTotal);
    if (!saving)
        return std::nullopt;
    return FormatByPattern(*saving, Pattern::Money);
}

// "Interest saved: $12.34", or "$5.00 more interest".
std::string interestSaved(MoneyAmount asNow, MoneyAmount withOption)
{
    const auto saved = asNow.minus(withOption);
    if (saved && *saved >= MoneyAmount())
        return "Interest saved: " + FormatByPattern(*saved, Pattern::Money);
    const auto lost = withOption.minus(asNow);
    return lost ? FormatByPattern(*lost, Pattern::Money) + " more interest" : std::string();
}

} // namespace

std::optional<double> MonthsOfItem(std::string_view item)
{
    std::string text(item);
    for (const std::string_view word : {" months", " month"}) {
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word))
            text.erase(at, word.size());
    }
    return number(text);
}

RatePlan OfferRatePlan(std::string_view introMonths, std::string_view introRate, std::string_view regularRate)
{
    const double months = std::nearbyint(number(introMonths).value_or(0));
    const bool whole = months >= 1 && months <= std::numeric_limits<std::int32_t>::max();
    return {whole ? static_cast<std::int32_t>(months) : 0, rate(introRate).value_or(0), rate(regularRate).value_or(0)};
}

SavingsAnswer SavingsOptions(const SavingsRow& row)
{
    SavingsReport report;
    for (const auto label : {SavingsLabel::FastRepayment, SavingsLabel::BiggerRepayment, SavingsLabel::SwitchingCard})
        report.write(label, std::string(kNoAnswerText));

    const MoneyAmount balance = money(row.totalDue).value_or(MoneyAmount());
    const double cardRate = rate(row.interestRate).value_or(0);
    const auto payment = money(row.actualPayment);

    const auto base = report.run(balance, RatePlan::constant(cardRate), payment);
    const MoneyAmount baseTotal = totalPaid(base.months, payment);

    if (row.monthsItem) {
        const double months = MonthsOfItem(*row.monthsItem).value_or(0);
        const auto fastPayment = LevelPayment(balance.toDouble(), cardRate / 12 / 100, months);
        const MoneyAmount fastTotal =
            fastPayment ? toMoney(*fastPayment * months).value_or(MoneyAmount()) : MoneyAmount();
        if (auto caption = formattedSaving(baseTotal, fastTotal))
            report.write(SavingsLabel::FastRepayment, std::move(*caption));
        const auto fastInterest = fastTotal.minus(balance);
        if (fastPayment && fastInterest && !base.stoppedEarly)
            report.answer().fastInterest = interestSaved(base.interest, std::max(*fastInterest, MoneyAmount()));
    }

    if (row.amountItem) {
        const auto amount = money(*row.amountItem);
        const auto amountRun = report.run(balance, RatePlan::constant(cardRate), amount);
        if (auto caption = formattedSaving(baseTotal, totalPaid(amountRun.months, amount)))
            report.write(SavingsLabel::BiggerRepayment, std::move(*caption));
        if (!base.stoppedEarly && !amountRun.stoppedEarly)
            report.answer().biggerInterest = interestSaved(base.interest, amountRun.interest);
    }

    if (row.offer && !row.offer->placeholder) {
        const SavingsOffer& offer = *row.offer;
        const RatePlan plan = OfferRatePlan(offer.introMonths, offer.introRate, offer.regularRate);
        const auto newRun = report.run(balance, plan, payment);
        const auto saving = baseTotal.minus(totalPaid(newRun.months, payment));
        // The sentence counts the current card's months afresh; the same inputs
        // give the same count, so only the baseline's message is repeated.
        report.tellIfStoppedEarly(base);
        if (saving && *saving > MoneyAmount()) {
            report.write(SavingsLabel::SwitchingCard, offer.name + " would enable you to pay off your card " +
                                                          std::to_string(base.months - newRun.months) +
                                                          " months early and save a total of " +
                                                          FormatByPattern(*saving, Pattern::Money));
        }
    }
    return report.take();
}

} // namespace plenwick
