#pragma once

#include <QMovie>
#include <QWidget>

namespace quintarlow {

// An animated picture on a screen. Shown and hidden like any control; running and stopped
// independently of that. A file that is missing or not a picture leaves it empty. Only a
// running picture on screen keeps its frames, so that it need not decode them again on every
// round; a stopped one keeps the one frame it shows, and a hidden one rests until it shows
// again, keeping only the number of its frame so that it goes on from there.
class AnimatedGif : public QWidget {
    Q_OBJECT
public:
    explicit AnimatedGif(QWidget* parent, const QRect& geometryTwips = {});

    // The path is relative to the program's working folder, as the game's data lies there.
    void SetPictureFile(const QString& path);
    void StartAnimation();
    void StopAnimation();

    QString pictureFile() const { return m_movie.fileName(); }
    bool isRunning() const { return m_running; }
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
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void reportMissingPicture() const;
    // Plays the movie while the picture runs and shows, and rests it otherwise.
    void followState();

    QMovie m_movie;
    bool m_running = false;
    // The frame a running picture showed when it was hidden, to go on from.
    int m_restingFrame = 0;
};

} // namespace quintarlow
