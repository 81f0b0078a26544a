// The printed report from the window: Print… (Ctrl+P) shows it in a preview with the printer
// dialog behind it, Export PDF… saves it as a PDF file. Both show what the controls show now,
// edits not yet stored included.
#include "app/TMainForm.h"

#include "report/ScheduleReport.h"

#include <QFileInfo>
#include <QHBoxLayout>

namespace korvelt {

void TMainForm::CreatePrintControls()
{
    // On the Week page, beside its choice of week or special date: the report shows that
    // picture first of all.
    if (auto *page = qobject_cast<QBoxLayout *>(WeekAdvTabSheet.layout())) {
        page->removeWidget(&WeekChoiceComboBox);
        auto *row = new QHBoxLayout;
        row->addWidget(&WeekChoiceComboBox, 0, Qt::AlignLeft);
        row->addStretch(1);
        row->addWidget(&PrintButton);
        row->addWidget(&ExportPdfButton);
        page->insertLayout(0, row);
    }
    PrintButton.setText(QStringLiteral("&Print…"));
    ExportPdfButton.setText(QStringLiteral("Export P&DF…"));
    PrintButton.setObjectName(QStringLiteral("PrintButton"));
    ExportPdfButton.setObjectName(QStringLiteral("ExportPdfButton"));
    PrintButton.setAccessibleName(QStringLiteral("Print"));
    ExportPdfButton.setAccessibleName(QStringLiteral("Export PDF"));
    PrintButton.setToolTip(QStringLiteral("A report of the whole schedule, in a preview to print from (Ctrl+P)"));
    ExportPdfButton.setToolTip(QStringLiteral("The same report saved as a PDF file"));
    connect(&PrintButton, &QPushButton::clicked, this, [this] { Guarded([this] { PrintButtonClick(); }); });
    connect(&ExportPdfButton, &QPushButton::clicked, this, [this] { Guarded([this] { ExportPdfButtonClick(); }); });
}

ReportSource TMainForm::ShownReport() const
{
    ReportSource source;
    source.Model = ScheduleFromControls();
    source.FileName = document_.FileName().isEmpty() ? QString() : QFileInfo(document_.FileName()).fileName();
    source.Printed = now_();
    source.Locale = QLocale();
    if (const auto &device = document_.Device()) {
        source.DeviceVersion = QString::fromLatin1(device->Version.c_str());
        source.DeviceSerial = QString::number(device->SerialNumber);
    }
    return source;
}

void TMainForm::PrintButtonClick()
{
    const ReportSource source = ShownReport();
    dialogs_->ShowPrintPreview(ReportPageLayout(source.Locale),
                               [&source](QPagedPaintDevice &device) { PaintScheduleReport(device, source); });
}

void TMainForm::ExportPdfButtonClick()
{
    const ReportSource source = ShownReport();
    const std::optional<QString> chosen =
        dialogs_->AskSaveFileName(QStringLiteral("PDF files (*.pdf)"), DialogFolder(), QStringLiteral("pdf"));
    if (!chosen) {
        return;
    }
    const QString name = WithSuffix(*chosen, QStringLiteral("pdf"));
    if (SaveScheduleReportPdf(std::filesystem::path(name.toStdU16String()), source)) {
        Panel1.StatusLabel.setText(QStringLiteral("Report saved as %1").arg(QFileInfo(name).fileName()));
    } else {
        dialogs_->ShowError(QStringLiteral("The report could not be saved as \"%1\".").arg(name));
    }
}

} // namespace korvelt
