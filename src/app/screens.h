#pragma once

#include "app/screen_parts.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plenwick {

class ScreenPanel;

// The controls of the three screens that code touches, per card where the
// screen has a column per card.

struct CardsScreen {
    PerCard<QLineEdit> CardNameText, AnnualFeeText, InterestRateText, TotalDueText, MinimumPaymentText,
        ActualPaymentText;
    QPushButton* SaveCMD = nullptr;
    QPushButton* NextCMD = nullptr;
    QPushButton* PrevCMD = nullptr;

    // The six boxes of a card in field order.
    std::array<const PerCard<QLineEdit>*, 6> fields() const
    {
        return {&CardNameText, &AnnualFeeText,      &InterestRateText,
                &TotalDueText, &MinimumPaymentText, &ActualPaymentText};
    }
};

struct CostsScreen {
    PerCard<QLineEdit> CardName2Text, TotalDue2Text, AmountIcanPayText, DebtFreeMonthsText;
    PerCard<QCheckBox> MiniMumCheck;
    PerCard<QPushButton> CalTimeCMD, CalAmountCMD;
    PerCard<QLabel> MonthsLable, AmountLable;
    QPushButton* NextCMD = nullptr;
    QPushButton* PrevCMD = nullptr;
};

struct SavingsScreen {
    PerCard<QLineEdit> CardName3Text, TotalDue3Text;
    PerCard<QComboBox> CardCombo, MonthsCombo, AmountCombo;
    PerCard<LinkLabel> ShowDetailsLable;
    PerCard<QLabel> Savings1Lable, Savings2Lable, Savings3Lable;
    PerCard<QPushButton> CalSavingsCMD;
    QPushButton* NextCMD = nullptr;
    QPushButton* PrevCMD = nullptr;
};

CardsScreen buildCardsScreen(ScreenPanel* panel);
CostsScreen buildCostsScreen(ScreenPanel* panel);
SavingsScreen buildSavingsScreen(ScreenPanel* panel);

} // namespace plenwick
