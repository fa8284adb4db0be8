#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtPlugin>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// What the program asks of the media libraries (libmpv, FFmpeg, pocketsphinx, espeak-ng,
// aubio). They live in one module, src/media/, which the program loads after its first paint
// and the tool, the tests and the bench link directly. Every service can say it is missing and
// why, so a missing library never reads as a fact about the song.

// Plays one song at a time. Not thread-safe; the wake-up may come from any thread.
class PlayerEngine {
public:
    enum class Event { None, Loaded, EndOfFile, Other };
    virtual ~PlayerEngine() = default;

    // "" while it plays; otherwise why it cannot, and every other call does nothing.
    virtual QString problem() const = 0;
    // Called, from any thread, whenever events are waiting to be taken with nextEvent.
    virtual void setWakeup(std::function<void()> wakeup) = 0;
    virtual Event nextEvent() = 0;

    virtual void load(const QString& path) = 0; // paused
    virtual void setPaused(bool paused) = 0;
    virtual bool paused() = 0;
    virtual void stop() = 0;
    virtual void seek(double seconds) = 0; // exact, from the song's start
    virtual void setSpeed(double speed) = 0;
    // One of the engine's number properties ("duration", "audio-pts", "time-pos"); false when
    // it has none now.
    virtual bool number(const char* name, double& value) = 0;
};

// A song of any format the decoder reads, as 16-bit interleaved samples: the waveform's and the
// aligner's one way in. One song at a time.
class AudioDecoder {
public:
    virtual ~AudioDecoder() = default;

    // Opens the first audio stream of the song at path. Empty when it did; otherwise why not,
    // in words a person can act on.
    virtual QString open(const QString& path) = 0;

    // How another rate is reached: through a low-pass, or sample by sample (the nearest one),
    // which folds what lies above the new rate's band into it.
    enum class Resampling { BandLimited, NearestSample };
    // The samples decode() hands over: at rate, every channel mixed into one when mono. Without
    // a call, the stream's own rate and channels.
    virtual void convertTo(int rate, bool mono, Resampling resampling) = 0;
    // The rate and channels of the samples decode() hands over, once open.
    virtual int rate() const = 0;
    virtual int channels() const = 0;

    // Takes count values (frames times channels); false once it wants no more.
    using Sink = std::function<bool(const std::int16_t* samples, std::size_t count)>;
    // Takes the song as it is decoded, before the sink's conversion: every channel mixed into
    // one, at the rate the stream began with (rate() before convertTo). The song's end is told
    // by a call with no frames. False once it wants no more.
    using Tap = std::function<bool(const std::int16_t* mono, std::size_t frames)>;
    enum class Ended { AtEnd, BySink, Cancelled };
    // Decodes the opened song from its start into sink and tap, either of which may be empty,
    // until the end or until neither wants more. With both, the song is read and decoded on a
    // thread of the decoder's own while the caller's calls the tap and converts for the sink:
    // the tap is done a few seconds of song after the decode. A sink that throws ends the
    // sink's part; the tap still goes to the end before the throw is passed on. cancel is looked
    // at between reads; a damaged packet is passed over, so what was decoded around it is still
    // the song.
    virtual Ended decode(const std::atomic<bool>& cancel, const Sink& sink, const Tap& tap) = 0;
};

// The speech model's audio: one channel at 16 kHz, in 10 ms frames.
inline constexpr int kSpeechRate = 16000;
inline constexpr int kSpeechFrameSamples = kSpeechRate / 100;

// One word placed in the audio, in 10 ms frames from the start of the audio given.
struct PlacedWord {
    int word = 0; // its index in the words given
    int startFrame = 0;
    int endFrame = 0;
    int score = 0; // the acoustic score of its frames, in the decoder's log units
};

// A speech recogniser with its English model, decoding against a grammar that is exactly the
// given words in order, with silence and noise allowed between any two. One user at a time.
class SpeechRecogniser {
public:
    virtual ~SpeechRecogniser() = default;

    // "" when the model was loaded, otherwise why not.
    virtual QString problem() const = 0;
    bool ready() const { return problem().isEmpty(); }

    // Whether the model's own dictionary holds the word (not one added since).
    virtual bool knows(const QString& word) const = 0;
    // Adds a pronunciation (model phones, blank-separated); false when a phone is unknown. A
    // word added before keeps its first pronunciation.
    virtual bool addWord(const QString& word, const QString& phones) = 0;
    // Hears the voice with its frequencies divided by factor (above 1 for a voice higher than
    // the model's speakers), from the next align on. Words added stay.
    virtual void setWarp(double factor) { Q_UNUSED(factor); }

    struct Decoded {
        std::vector<PlacedWord> words; // in order; the grammar's words up to where it got
        bool complete = false;         // every word of the grammar found
    };
    // Places words (each known or added) in samples (kSpeechRate): the best path to the end of
    // the samples, which may stop short of the last words. Nothing when cancel became true.
    // progress gets the share of samples decoded.
    virtual Decoded align(const std::int16_t* samples, std::size_t count, const QStringList& words,
                          const std::atomic<bool>& cancel,
                          const std::function<void(double)>& progress) = 0;
    // As align, for the few seconds of one line whose ends are known: the words are surely in
    // there, so the voice may be heard more coarsely, for speed.
    virtual Decoded alignLine(const std::int16_t* samples, std::size_t count,
                              const QStringList& words, const std::atomic<bool>& cancel) {
        return align(samples, count, words, cancel, {});
    }
};

// Pronunciations of words the model's dictionary lacks. Thread-safe.
class Phonemizer {
public:
    virtual ~Phonemizer() = default;
    // "" when it can pronounce, otherwise why not.
    virtual QString problem() const = 0;
    // The word's sounds in the International Phonetic Alphabet, as American English says it;
    // "" when there are none.
    virtual QString ipa(const QString& word) = 0;
};

// What a pitch and onset detector hears in kSpeechRate audio, per kSpeechFrameSamples frame.
struct VoiceFrames {
    std::vector<bool> voiced;     // a steady pitch in the range of a singing voice
    std::vector<float> pitchHz;   // of each voiced frame, in order
    std::vector<qint64> onsetsMs; // where a sound starts, ascending
};

// Finds where a voice may be. One user at a time.
class VoiceDetector {
public:
    virtual ~VoiceDetector() = default;
    // "" when it can listen, otherwise why not.
    virtual QString problem() const = 0;
    // false when cancel became true or the detector is missing.
    virtual bool detect(const std::int16_t* samples, std::size_t count,
                        const std::atomic<bool>& cancel, VoiceFrames& frames) = 0;
};

// Makes the services. Each product is never null: a service that cannot work says so through
// its problem() or open().
class MediaServices {
public:
    virtual ~MediaServices() = default;
    // Started at speed with the named audio output ("" for the usual ones in turn).
    virtual std::unique_ptr<PlayerEngine> player(const QByteArray& audioOutput,
                                                 double speed) const = 0;
    virtual std::unique_ptr<AudioDecoder> audioDecoder() const = 0;
    virtual std::unique_ptr<SpeechRecogniser> speechRecogniser() const = 0;
    virtual std::unique_ptr<Phonemizer> phonemizer() const = 0;
    virtual std::unique_ptr<VoiceDetector> voiceDetector() const = 0;
};

#define VelmoraMediaServices_iid "org.velmora.MediaServices/2"
Q_DECLARE_INTERFACE(MediaServices, VelmoraMediaServices_iid)

// Where the program's services come from: the module loader in the program, the media library
// itself in the tool, the tests and the bench. Set before the first Media() call.
using MediaSource = std::unique_ptr<MediaServices> (*)();
void UseMediaSource(MediaSource source);

// The services, opened on the first call (on whichever thread makes it; others wait for it)
// and kept for the rest of the run. Without a source, every service is missing.
const MediaServices& Media();
