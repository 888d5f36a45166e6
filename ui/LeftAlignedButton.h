#pragma once

#include <QPushButton>

// A push button whose text stands at its left edge, as the main window's
// command buttons have it.
class LeftAlignedButton : public QPushButton {
    Q_OBJECT
public:
    explicit LeftAlignedButton(QWidget* parent = nullptr);

    // The width the button needs to show its whole text.
    int TextFitWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int TextIndent() const;
};
