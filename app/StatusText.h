#pragma once

#include <QLabel>

namespace korvelt {

// A one-line text of the status area that is never cut off unseen: a text wider than the
// label is shown with an ellipsis and whole in its tooltip, and screen readers get the whole
// text as the label's description (its name says what the label is).
class StatusText : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Hide QLabel's own: every text goes through here.
    void setText(const QString &text);
    void clear() { setText(QString()); }
    // The tooltip while the text fits; empty: none.
    void SetHint(const QString &hint);
    // The text does not fit: it is shown with an ellipsis.
    [[nodiscard]] bool Elided() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void UpdateTip();
    QString hint_;
};

} // namespace korvelt
