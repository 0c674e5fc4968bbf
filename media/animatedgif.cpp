#include "animatedgif.h"

#include "boardlayout.h"
#include "unusablefile.h"

#include <QMouseEvent>
#include <QPainter>

#include <malloc.h>

namespace quintarlow {

AnimatedGif::AnimatedGif(QWidget* parent, const QRect& geometryTwips) : QWidget(parent) {
    if (!geometryTwips.isNull())
        setGeometry(twipsToPixels(geometryTwips));
    // A running picture keeps the frames it has shown: reading each frame again on every round
    // would cost more than the 1.5 % of a core the idle game may take.
    m_movie.setCacheMode(QMovie::CacheAll);
    connect(&m_movie, &QMovie::frameChanged, this, [this] { update(); });
    // A file cut short shows its frames up to the cut and stops there.
    connect(&m_movie, &QMovie::error, this, [this] { reportMissingPicture(); });
    connect(&m_movie, &QMovie::finished, this, [this] { m_running = false; });
}

void AnimatedGif::reportMissingPicture() const {
    reportUnusableFile(m_movie.fileName(), "picture", "the game goes on without it");
}

void AnimatedGif::SetPictureFile(const QString& path) {
    m_running = false;
    m_restingFrame = 0;
    m_movie.stop();
    m_movie.setFileName(path);
    // Show the first frame at once; a stopped picture is still a picture.
    if (m_movie.isValid())
        m_movie.jumpToFrame(0);
    else
        reportMissingPicture();
    update();
}

void AnimatedGif::StartAnimation() {
    if (!m_movie.isValid())
        return;
    m_running = true;
    followState();
}

void AnimatedGif::StopAnimation() {
    m_running = false;
    // A stopped picture that is started again plays from its first frame.
    m_restingFrame = 0;
    followState();
}

void AnimatedGif::showEvent(QShowEvent*) {
    followState();
}

void AnimatedGif::hideEvent(QHideEvent*) {
    followState();
}

void AnimatedGif::followState() {
    if (m_running && isVisible()) {
        if (m_movie.state() == QMovie::Paused) {
            // Back to the frame it rested on, so that it goes on from where it was hidden. A
            // GIF is read frame after frame, so the frames up to it are read again.
            for (int frame = 0; frame <= m_restingFrame && m_restingFrame > 0; ++frame)
                m_movie.jumpToFrame(frame);
            m_restingFrame = 0;
            m_movie.setPaused(false);
        } else if (m_movie.state() == QMovie::NotRunning) {
            m_movie.start();
        }
    } else if (m_movie.state() == QMovie::Running) {
        m_movie.setPaused(true);
        // Naming the file again lets go of every frame read so far but the one on show; only
        // its number is kept, for a picture that was hidden while it runs.
        m_restingFrame = m_running ? m_movie.currentFrameNumber() : 0;
        m_movie.setFileName(m_movie.fileName());
        // What the reader let go of lies amid the heap, where glibc keeps it resident until
        // asked to give back its pages.
        malloc_trim(0);
    }
}

void AnimatedGif::paintEvent(QPaintEvent*) {
    if (!m_movie.isValid())
        return;
    const QPixmap frame = m_movie.currentPixmap();
    if (frame.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, frame);
}

void AnimatedGif::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked();
}

void AnimatedGif::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        Q_EMIT doubleClicked();
}

} // namespace quintarlow
