#pragma once

#include <QMovie>
#include <QWidget>

namespace quintarlow {

// An animated picture on a screen. Shown and hidden like any control; running and stopped
// independently of that. A file that is missing or not a picture leaves it empty.
class AnimatedGif : public QWidget {
    Q_OBJECT
public:
    explicit AnimatedGif(QWidget* parent, const QRect& geometryTwips = {});

    // The path is relative to the program's working folder, as the game's data lies there.
    void SetPictureFile(const QString& path);
    void StartAnimation();
    void StopAnimation();

    QString pictureFile() const { return m_movie.fileName(); }
    bool isRunning() const { return m_movie.state() == QMovie::Running; }
    bool hasPicture() const { return m_movie.isValid(); }
    int currentFrame() const { return m_movie.currentFrameNumber(); }

Q_SIGNALS:
    // The two click notifications: a press, and the second press of a double click.
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void reportMissingPicture() const;

    QMovie m_movie;
};

} // namespace quintarlow
