#include "sources/TagLibComponent.h"

#include "core/AudioFormats.h"
#include "core/Failure.h"
#include "sources/FormatTags.h"
#include "sources/SyncedTag.h"
#include "sources/TagSave.h"
#include "storage/RegularFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <id3v2tag.h>
#include <mpegfile.h>
#include <tfilestream.h>
#include <unsynchronizedlyricsframe.h>

namespace {

using LyricsFrame = TagLib::ID3v2::UnsynchronizedLyricsFrame;

const QString kLyricsId = QStringLiteral("USLT");

// Lyrics are the only frame this program reads or writes.
void requireLyrics(const QString& id) {
    if (id != kLyricsId)
        throw VersettaError(
            QCoreApplication::translate("TagLibComponent", "The tag frame \"%1\" is not supported.")
                .arg(id));
}

// The songs whose lyrics are not in an MP3's ID3v2 tag (sources/FormatTags.h).
bool inOtherTag(const QString& path) {
    const AudioFormat format = AudioFormatOf(path);
    return format != AudioFormat::Mp3 && format != AudioFormat::Other;
}

} // namespace

TagLib::String ToTagLib(const QString& text) {
    return TagLib::String(text.toStdString(), TagLib::String::UTF8);
}

QString FromTagLib(const TagLib::String& text) {
    return QString::fromStdString(text.to8Bit(true));
}

// Saving replaces the frame ExpectedLyrics finds and leaves the rest.
TagLib::ID3v2::UnsynchronizedLyricsFrame* ExpectedLyrics(const TagLib::ID3v2::Tag& tag) {
    LyricsFrame* first = nullptr;
    for (TagLib::ID3v2::Frame* frame : tag.frameList("USLT")) {
        auto* lyrics = dynamic_cast<LyricsFrame*>(frame);
        if (!lyrics)
            continue;
        if (lyrics->description().isEmpty())
            return lyrics;
        if (!first)
            first = lyrics;
    }
    return first;
}

QString LyricsText(const TagLib::ID3v2::Tag& tag) {
    const LyricsFrame* lyrics = ExpectedLyrics(tag);
    return lyrics ? FromTagLib(lyrics->text()) : QString();
}

struct TagLibComponent::Loaded {
    explicit Loaded(const QString& path)
        : stream(QFile::encodeName(path).constData(), true),
          file(&stream, TagLib::ID3v2::FrameFactory::instance(), false) {}
    TagLib::FileStream stream;
    TagLib::MPEG::File file;
};

TagLibComponent::TagLibComponent() = default;
TagLibComponent::~TagLibComponent() = default;

void TagLibComponent::LoadTag(const QString& path, bool /*flag*/) {
    m_loaded.reset();
    m_otherLyrics.reset();
    m_newLyrics.reset();
    const QString shown = QDir::toNativeSeparators(path);
    if (QFileInfo(path).isDir())
        throw VersettaError(
            QCoreApplication::translate("TagLibComponent",
                                        "Cannot read the tag of %1: it is a folder, not a song.")
                .arg(shown));
    // TagLib would block for ever on a named pipe.
    if (const NonRegular kind = NonRegularOf(path);
        kind != NonRegular::None && kind != NonRegular::LinkToNothing)
        throw VersettaError(
            QCoreApplication::translate("TagLibComponent",
                                        "Cannot read the tag of %1: it is %2, not a song.")
                .arg(shown, NonRegularText(kind)));
    if (!QFileInfo(path).isFile())
        throw VersettaError(
            QCoreApplication::translate("TagLibComponent",
                                        "Cannot read the tag of %1: there is no such file.")
                .arg(shown));
    if (inOtherTag(path)) {
        try {
            m_otherLyrics = ReadFormatTag(path, false).lyrics;
        } catch (const VersettaError& error) {
            throw VersettaError(
                QCoreApplication::translate("TagLibComponent", "Cannot read the tag of %1")
                    .arg(error.message()));
        }
        return;
    }
    auto loaded = std::make_unique<Loaded>(path);
    if (!loaded->stream.isOpen() || !loaded->file.isValid())
        throw VersettaError(
            QCoreApplication::translate("TagLibComponent",
                                        "Cannot read the tag of %1: the file cannot be opened.")
                .arg(shown));
    m_loaded = std::move(loaded);
}

QString TagLibComponent::GetFrameText(const QString& frameId) {
    requireLyrics(frameId);
    if (m_newLyrics)
        return *m_newLyrics;
    if (m_otherLyrics)
        return *m_otherLyrics;
    if (!m_loaded)
        return {};
    const TagLib::ID3v2::Tag* tag = m_loaded->file.ID3v2Tag(false);
    return tag ? LyricsText(*tag) : QString();
}

void TagLibComponent::SetFrameText(const QString& frameId, const QString& text) {
    requireLyrics(frameId);
    // A NUL ends a text in the tag and a lone surrogate has no encoding: either would be saved
    // as something else without a word.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isNull() || c.isSurrogate()) {
            const QString code =
                QString::number(c.unicode(), 16).toUpper().rightJustified(4, QLatin1Char('0'));
            throw VersettaError(
                QCoreApplication::translate("TagLibComponent",
                                            "The lyrics hold a character a tag cannot hold "
                                            "(U+%1); remove it and save again.")
                    .arg(code));
        }
    }
    m_newLyrics = text;
}

void TagLibComponent::SaveTag(const QString& path) {
    m_saveNote.clear();
    if (inOtherTag(path)) {
        m_saveNote = SaveFormatLyrics(path, m_newLyrics.value_or(GetFrameText(kLyricsId)),
                                      QCoreApplication::translate("TagLibComponent", "the lyrics"));
        return;
    }
    LyricsFramesChange change;
    change.lyrics = m_newLyrics;
    m_saveNote =
        SaveTagChange(path, QCoreApplication::translate("TagLibComponent", "the lyrics"), change);
}

QString TagLibComponent::SaveNote() const {
    return m_saveNote;
}

LrcHeader TagLibComponent::LrcHeaderOf(const QString& song) {
    return ::LrcHeaderOf(song);
}

QString TagLibComponent::SaveTimedLyrics(const QString& song, const std::vector<SheetRow>& rows,
                                         bool milliseconds) {
    return ::SaveTimedLyrics(song, rows, false, milliseconds);
}
