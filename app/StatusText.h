#pragma once

#include <QLabel>

namespace korvelt {

// A text of the status area that is never cut off unseen: a text wider than the label (or,
// where it wraps, taller) is shown with an ellipsis and whole in its tooltip, and screen
// readers get the whole text as the label's description (its name says what the label is).
class StatusText : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    // Hide QLabel's own: every text goes through here.
    void setText(const QString &text) { SetText(text, QString()); }
    void clear() { setText(QString()); }
    // A text with a part that gives way first (a file's name): when the text does not fit,
    // that part is cut in its middle and the rest stays whole, where there is room for it.
    void SetText(const QString &text, const QString &yielding);
    // The text as it is drawn, cut to the label's width.
    [[nodiscard]] QString ShownText() const;
    // The tooltip while the text fits; empty: none.
    void SetHint(const QString &hint);
    // The text does not fit: it is shown with an ellipsis.
    [[nodiscard]] bool Elided() const;
    // How many lines `text` takes in the label's font when it wraps at `width`.
    [[nodiscard]] int LinesAt(const QString &text, int width) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void UpdateTip();
    QString hint_;
    QString yielding_;
};

} // namespace korvelt
