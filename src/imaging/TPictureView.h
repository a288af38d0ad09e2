#pragma once

#include "imaging/PictureComponent.h"

#include <QWidget>

class Prompts;

// The picture control: a PictureComponent that paints itself. Loading, facts and every
// decision live in the component; this class draws, auto-sizes and tells the component the
// screen's depth.
class TPictureView final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString ImageName READ ImageName WRITE setImageName)
    Q_PROPERTY(bool StretchRatio READ StretchRatio WRITE setStretchRatio)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE setCenter)
public:
    TPictureView(Prompts &prompts, QWidget *parent = nullptr);

    PictureComponent &component() { return m_component; }
    const PictureComponent &component() const { return m_component; }

    // The names the dialogs use.
    QString ImageName() const { return m_component.imageName(); }
    void setImageName(const QString &name) { m_component.setImageName(name); }
    LoadOutcome load(const QString &name) { return m_component.load(name); }
    const ImageFacts &facts() const { return m_component.facts(); }
    bool StretchRatio() const { return m_component.stretchRatio(); }
    void setStretchRatio(bool on) { m_component.setStretchRatio(on); }
    bool Stretch() const { return m_component.stretch(); }
    void setStretch(bool on) { m_component.setStretch(on); }
    bool AutoSize() const { return m_component.autoSize(); }
    void setAutoSize(bool on) { m_component.setAutoSize(on); }
    bool Center() const { return m_component.center(); }
    void setCenter(bool on) { m_component.setCenter(on); }
    void Reset() { m_component.reset(); }
    bool WriteBitmap(const QString &fileName) { return m_component.writeBitmap(fileName); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void pictureChanged();
    QRect pictureArea() const;

    PictureComponent m_component;
};
