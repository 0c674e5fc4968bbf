#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QImageReader;

namespace quintarlow {

// A frame as small as it can be kept without changing a pixel: a GIF's frame has at most 256
// colours, so it fits in 8 bits a pixel with its own colour table, a quarter of the decoded size.
// A frame of more colours is kept as it is.
QImage compactFrame(const QImage& frame);

// An animated picture on a screen. Shown and hidden like any control; running and stopped
// independently of that. A file that is missing or not a picture leaves it empty. Only a
// running picture on screen keeps its frames (compacted), so that it need not decode them again
// on every round; a stopped one keeps the one frame it shows, and a hidden one rests until it
// shows again, keeping only the number of its frame so that it goes on from there.
class AnimatedGif : public QWidget {
    Q_OBJECT
public:
    explicit AnimatedGif(QWidget* parent, const QRect& geometryTwips = {});
    ~AnimatedGif() override;

    // The path is relative to the program's working folder, as the game's data lies there.
    void setPictureFile(const QString& path);
    void startAnimation();
    void stopAnimation();

    QString pictureFile() const { return m_file; }
    bool isRunning() const { return m_running; }
    bool hasPicture() const { return m_valid; }
    int currentFrame() const { return m_frame; }

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
    struct Frame {
        QImage image;
        int delayMs = 0;
    };

    void reportMissingPicture() const;
    // Plays while the picture runs and shows, and rests it otherwise.
    void followState();
    // The next frame is due: shows it, or ends the picture at its last loop or at a cut.
    void showNextFrame();
    // Shows frame `number`; false past the last frame or at a cut.
    bool showFrame(int number);
    // Frame `number`, from those kept or read on from the file; nothing past the last frame or
    // at a cut. Frames are read in order, so a frame before the reader's place reads them again.
    std::optional<Frame> frame(int number);

    QString m_file;
    bool m_valid = false;
    bool m_running = false;
    int m_frame = 0; // the frame on show
    QImage m_shown;  // its picture, compacted; null while resting hidden
    int m_shownDelayMs = 0;
    std::vector<Frame> m_kept; // from the first frame on, while the picture plays
    std::unique_ptr<QImageReader> m_reader;
    int m_readerAt = 0;    // the frame the reader reads next
    int m_frameCount = -1; // the frames that can be read, once the end or a cut is reached
    bool m_cut = false;    // the file ends amid a frame
    // Rounds still to play after this one; -1 for ever. Read from the file when it is opened.
    static constexpr int LoopsFromTheFile = -2;
    int m_loopsLeft = LoopsFromTheFile;
    QTimer m_nextFrame;
};

} // namespace quintarlow
