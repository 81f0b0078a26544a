#include "app/CopyOutputsDialog.h"
#include "app/FormFont.h"

#include <QFont>

namespace korvelt {

namespace {

// The check boxes stand in four columns of four, output 1 at the top left, as the outputs
// are numbered on the KORVELT's terminals.
constexpr int BoxColumns = 4;

} // namespace

CopyOutputsDialog::CopyOutputsDialog(const QString &text, int source, QWidget *parent)
    : QDialog(parent), Layout(this), source_(source)
{
    setWindowTitle(QStringLiteral("Copy Output"));
    setFont(FormFont());

    TextLabel.setText(text);
    TextLabel.setObjectName(QStringLiteral("TextLabel"));
    Layout.addWidget(&TextLabel, 0, 0, 1, BoxColumns);
    for (int k = 0; k < OutputCount; ++k) {
        QCheckBox &box = OutputCheckBoxes.at(static_cast<std::size_t>(k));
        box.setText(QStringLiteral("Output %1").arg(k + 1));
        box.setObjectName(QStringLiteral("Output%1CheckBox").arg(k + 1));
        if (k == source) {
            box.setChecked(true);
            box.setEnabled(false);
            box.setToolTip(QStringLiteral("The output copied"));
        }
        connect(&box, &QCheckBox::toggled, this, &CopyOutputsDialog::UpdateOk);
        Layout.addWidget(&box, 1 + k / BoxColumns, k % BoxColumns);
    }

    const int buttonRow = 1 + OutputCount / BoxColumns;
    const std::array<std::pair<QPushButton *, QString>, 4> buttons{{
        {&AllButton, QStringLiteral("All")},
        {&NoneButton, QStringLiteral("None")},
        {&OkButton, QStringLiteral("OK")},
        {&CancelButton, QStringLiteral("Cancel")},
    }};
    for (int k = 0; k < static_cast<int>(buttons.size()); ++k) {
        const auto &[button, caption] = buttons.at(static_cast<std::size_t>(k));
        button->setText(caption);
        button->setObjectName(caption + QStringLiteral("Button"));
        button->setAutoDefault(false);
        Layout.addWidget(button, buttonRow, k);
    }
    // Enter confirms the choice; the buttons of a choice take a click or Space.
    OkButton.setDefault(true);
    Layout.setRowMinimumHeight(buttonRow, 25);
    Layout.setVerticalSpacing(6);
    connect(&AllButton, &QPushButton::clicked, this, [this] { SetAll(true); });
    connect(&NoneButton, &QPushButton::clicked, this, [this] { SetAll(false); });
    connect(&OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(&CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    UpdateOk();
    setFixedSize(sizeHint());
}

std::vector<int> CopyOutputsDialog::Chosen() const
{
    std::vector<int> chosen;
    for (int k = 0; k < OutputCount; ++k) {
        if (k != source_ && OutputCheckBoxes.at(static_cast<std::size_t>(k)).isChecked()) {
            chosen.push_back(k);
        }
    }
    return chosen;
}

void CopyOutputsDialog::SetAll(bool checked)
{
    for (int k = 0; k < OutputCount; ++k) {
        if (k != source_) {
            OutputCheckBoxes.at(static_cast<std::size_t>(k)).setChecked(checked);
        }
    }
}

void CopyOutputsDialog::UpdateOk()
{
    OkButton.setEnabled(!Chosen().empty());
}

} // namespace korvelt
