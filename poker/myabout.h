#pragma once

#include <functional>

#include "controls/about.h"
#include "controls/clicktracker.h"

#include <QLabel>
#include <QPointer>

class QAction;

namespace poker {

// A picture that says when it is clicked. A picture of platform::resources
// is drawn afresh for the size the label is given against its designed size
// (devicepixels::designedSize), centred, in the pixels of the device.
class TImage : public Clickable<QLabel, false> {
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);

    // The picture by name; pixmap() is the picture as designed.
    void setPicture(const QString &name);

signals:
    void Click();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void leftClick() override { emit Click(); }

private:
    QString m_picture;
};

// Cartova's About box: the game's card icon, which deals a card sound when
// clicked, by the game's own sound rule.
class TAboutBox1 : public TAboutBox {
    Q_OBJECT
public:
    // playCards plays the cards' sound as the game does (while Sound is on).
    TAboutBox1(platform::Platform &platform, std::function<void()> playCards, QWidget *parent = nullptr);

    void Image1Click();

    TImage *Image1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::function<void()> m_playCards;
};

} // namespace poker
