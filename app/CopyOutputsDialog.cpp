#include "app/CopyOutputsDialog.h"
#include "app/FormFont.h"

#include <QFont>

#include <tuple>

namespace korvelt {

namespace {

// The check boxes stand in four columns of four, output 1 at the top left, as the outputs
// are numbered on the KORVELT's terminals.
constexpr int BoxColumns = 4;

} // namespace

CopyOutputsDialog::CopyOutputsDialog(const QString &text, int source, QWidget *parent)
    : QDialog(parent), Layout(this), source_(source)
{
    setWindowTitle(tr("Copy Output"));
    setFont(FormFont());

    TextLabel.setText(text);
    TextLabel.setObjectName(QStringLiteral("TextLabel"));
    Layout.addWidget(&TextLabel, 0, 0, 1, BoxColumns);
    for (int k = 0; k < OutputCount; ++k) {
        QCheckBox &box = OutputCheckBoxes.at(static_cast<std::size_t>(k));
        //: Check box of a switched output; %1 is its number
        box.setText(tr("Output %1", "switched output number").arg(k + 1));
        box.setObjectName(QStringLiteral("Output%1CheckBox").arg(k + 1));
        if (k == source) {
            box.setChecked(true);
            box.setEnabled(false);
            box.setToolTip(tr("The output copied"));
        }
        connect(&box, &QCheckBox::toggled, this, &CopyOutputsDialog::UpdateOk);
        Layout.addWidget(&box, 1 + k / BoxColumns, k % BoxColumns);
    }

    const int buttonRow = 1 + OutputCount / BoxColumns;
    // The object names stay English whatever the captions say.
    const std::array<std::tuple<QPushButton *, QString, const char *>, 4> buttons{{
        //: Button that ticks every output
        {&AllButton, tr("All", "outputs"), "AllButton"},
        //: Button that clears every output
        {&NoneButton, tr("None", "outputs"), "NoneButton"},
        {&OkButton, tr("OK"), "OKButton"},
        {&CancelButton, tr("Cancel"), "CancelButton"},
    }};
    for (int k = 0; k < static_cast<int>(buttons.size()); ++k) {
        const auto &[button, caption, name] = buttons.at(static_cast<std::size_t>(k));
        button->setText(caption);
        button->setObjectName(QString::fromLatin1(name));
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
