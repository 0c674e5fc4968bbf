#include "flitespeech.h"
#include "media/testwav.h"

#include <QTest>

#include <mutex>

using namespace quintarlow;
using namespace quintarlow::testing;

// Stands in for the voice's registration, as when its data cannot be loaded; linked ahead of
// the voice's library.
extern "C" void* register_cmu_us_kal16(const char*) {
    return nullptr;
}

namespace {

std::mutex warningsLock;
QStringList warnings;

void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& message) {
    const std::scoped_lock lock(warningsLock);
    if (type == QtWarningMsg)
        warnings.append(message);
}

} // namespace

class NoVoiceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void speakingWithoutAVoiceSaysSoOnceAndPlaysNothing() {
        AlsaTestDevice device;
        QVERIFY(device.useCaptureDevice());
        qInstallMessageHandler(recordWarning);
        {
            FliteSpeech speech;
            for (const char* text : {"blue goes first", "seven,, times,, eight"})
                speech.Speak(QString::fromLatin1(text));
        }
        QVERIFY(synthesiseSpeech(QStringLiteral("nine")).samples.empty());
        qInstallMessageHandler(nullptr);
        QCOMPARE(warnings.filter(QStringLiteral("cmu_us_kal16")).size(), 1);
        QVERIFY(device.captured().isEmpty());
    }
};

QTEST_GUILESS_MAIN(NoVoiceTest)
#include "tst_novoice.moc"
