#include "media/animatedgif.h"

#include "core/boardlayout.h"
#include "media/mediawords.h"
#include "media/unusablefile.h"

#include <QHash>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include <malloc.h>

namespace quintarlow {

namespace {

// A frame that asks for no wait at all would keep the event loop busy.
constexpr int ShortestFrameMs = 10;

// A small frame is kept ready to paint: a compact one is converted again at each paint, which
// the name entry's ten letters would pay for ten times over. Only a wide one, such as the
// board's banner, is kept compact.
constexpr qsizetype LargestReadyFrameBytes = 32 * 1024;

QImage keptForm(const QImage& frame) {
    return frame.sizeInBytes() > LargestReadyFrameBytes
               ? compactFrame(frame)
               : frame.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QImage compactFrame(const QImage& frame) {
    if (frame.isNull() || frame.depth() != 32)
        return frame;
    const QImage colours = frame.convertToFormat(QImage::Format_ARGB32);
    QImage compact(colours.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    QHash<QRgb, uchar> indexOf;
    for (int y = 0; y < colours.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(colours.constScanLine(y));
        uchar* out = compact.scanLine(y);
        for (int x = 0; x < colours.width(); ++x) {
            auto found = indexOf.constFind(in[x]);
            if (found == indexOf.constEnd()) {
                if (table.size() == 256)
                    return frame;
                found = indexOf.insert(in[x], uchar(table.size()));
                table.append(in[x]);
            }
            out[x] = *found;
        }
    }
    compact.setColorTable(table);
    // Only a frame that comes back to the very same pixels may be kept small.
    return compact.convertToFormat(frame.format()) == frame ? compact : frame;
}

AnimatedGif::AnimatedGif(QWidget* parent, const QRect& geometryTwips) : QWidget(parent) {
    if (!geometryTwips.isNull())
        setGeometry(twipsToPixels(geometryTwips));
    m_nextFrame.setSingleShot(true);
    connect(&m_nextFrame, &QTimer::timeout, this, &AnimatedGif::showNextFrame);
}

AnimatedGif::~AnimatedGif() = default;

void AnimatedGif::reportMissingPicture() const {
    reportUnusableFile(m_file, MediaWords::tr("Quintarlow!: the picture %1 is missing or damaged; "
                                              "the game goes on without it."));
}

void AnimatedGif::setPictureFile(const QString& path) {
    m_running = false;
    m_file = path;
    m_frame = 0;
    m_frameCount = -1;
    m_cut = false;
    m_nextFrame.stop();
    m_kept.clear();
    m_reader.reset();
    // Show the first frame at once; a stopped picture is still a picture.
    const std::optional<Frame> first = frame(0);
    m_valid = first.has_value();
    m_shown = m_valid ? first->image : QImage();
    m_reader.reset();
    if (!m_valid && !m_cut)
        reportMissingPicture();
    update();
}

void AnimatedGif::startAnimation() {
    if (!m_valid)
        return;
    if (!m_running) {
        // A stopped or finished picture plays again from its first frame.
        m_running = true;
        m_frame = 0;
        m_shown = QImage();
        m_loopsLeft = LoopsFromTheFile;
    }
    followState();
}

void AnimatedGif::stopAnimation() {
    m_running = false;
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
        if (m_shown.isNull() && !showFrame(m_frame)) {
            m_running = false;
            followState();
            return;
        }
        if (!m_nextFrame.isActive())
            m_nextFrame.start(m_shownDelayMs);
        return;
    }
    if (!m_nextFrame.isActive() && m_kept.empty() && !m_reader && (isVisible() || m_shown.isNull()))
        return;
    // At rest: only the frame on show is kept, and a hidden picture keeps only its number.
    m_nextFrame.stop();
    m_kept.clear();
    m_kept.shrink_to_fit();
    m_reader.reset();
    if (!isVisible())
        m_shown = QImage();
    // What was let go of lies amid the heap, where glibc keeps it resident until asked to give
    // back its pages.
    malloc_trim(0);
}

bool AnimatedGif::showFrame(int number) {
    const std::optional<Frame> shown = frame(number);
    if (!shown)
        return false;
    m_frame = number;
    m_shown = shown->image;
    m_shownDelayMs = std::max(shown->delayMs, ShortestFrameMs);
    update();
    return true;
}

void AnimatedGif::showNextFrame() {
    if (showFrame(m_frame + 1)) {
        m_nextFrame.start(m_shownDelayMs);
        return;
    }
    // Past the last frame: round again as often as the file asks, unless it was cut short.
    const bool again = !m_cut && m_frameCount > 1 && m_loopsLeft != 0;
    if (again && m_loopsLeft > 0)
        --m_loopsLeft;
    if (again && showFrame(0)) {
        m_nextFrame.start(m_shownDelayMs);
        return;
    }
    // It ends on the frame it reached.
    m_running = false;
    followState();
}

std::optional<AnimatedGif::Frame> AnimatedGif::frame(int number) {
    if (number < int(m_kept.size()))
        return m_kept[std::size_t(number)];
    if (m_frameCount >= 0 && number >= m_frameCount)
        return std::nullopt;
    if (!m_reader || m_readerAt > number) {
        m_reader = std::make_unique<QImageReader>(m_file);
        m_readerAt = 0;
        if (m_loopsLeft == LoopsFromTheFile)
            m_loopsLeft = m_reader->loopCount();
    }
    const bool keeping = m_running && isVisible();
    for (;;) {
        if (!m_reader->canRead()) {
            if (m_readerAt > 0)
                m_frameCount = m_readerAt;
            return std::nullopt;
        }
        QImage image;
        if (!m_reader->read(&image)) {
            // A file cut short shows its frames up to the cut and stops there.
            if (m_readerAt > 0 && !m_cut) {
                m_cut = true;
                m_frameCount = m_readerAt;
                reportMissingPicture();
            }
            return std::nullopt;
        }
        Frame read{keptForm(image), m_reader->nextImageDelay()};
        if (keeping && m_kept.size() == std::size_t(m_readerAt))
            m_kept.push_back(read);
        if (m_readerAt++ == number)
            return read;
    }
}

void AnimatedGif::paintEvent(QPaintEvent*) {
    if (!m_valid)
        return;
    // A picture shown again while stopped reads its frame back.
    if (m_shown.isNull()) {
        if (const std::optional<Frame> shown = frame(m_frame))
            m_shown = shown->image;
        if (!m_running)
            m_reader.reset();
    }
    if (m_shown.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_shown);
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
