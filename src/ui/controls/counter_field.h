#pragma once
// A counter's locked field. A count longer than the field is wide is drawn in
// a smaller and then narrower font, so that every digit shows from the first;
// only past what stays legible is the end cut off. The text is always the
// rules' text as it stands.
#include <QLineEdit>

namespace kararion::ui {

class CounterField : public QLineEdit {
public:
    // Takes the parent's font (at the zoom of the moment) as the font of a count that fits.
    explicit CounterField(QWidget* parent);

    void SetCount(const QString& text);
    // The width the field gives its text.
    int TextRoom() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Fit();

    int fittedWidth_ = 0;  // none fitted yet
};

}  // namespace kararion::ui
