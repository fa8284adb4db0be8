// The lyrics XML reader on arbitrary bytes, then both row rules on whatever it kept, then a
// write and re-read of the sheet rows, which must come back the same; the sheet's one-pass
// and preview readers must give the same rows as the two steps.
#include "core/Failure.h"
#include "storage/LyricsXml.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const LyricsContent content = ReadLyricsDocument(bytes);
    require(content.stoppedEarly ? !content.problem.isEmpty() : true);

    const std::vector<SheetRow> rows = SheetRowsFromLyrics(content.lines);
    require(rows.size() == content.lines.size());
    // The sheet's one-pass reader must agree with the two steps above.
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    const SheetRowsRead direct = ReadSheetRows(buffer);
    require(direct.rows == rows && direct.problem == content.problem &&
            direct.stoppedEarly == content.stoppedEarly);
    const PreviewRows preview = PreviewRowsFromLyrics(content.lines);
    require(preview.rows.size() <= content.lines.size());
    buffer.seek(0);
    const PreviewRowsRead directPreview = ReadPreviewRows(buffer);
    // A damaged document gives no preview at all, so only a whole one must agree.
    require(directPreview.stoppedEarly == content.stoppedEarly);
    require(content.stoppedEarly || (directPreview.preview.rows == preview.rows &&
                                     directPreview.preview.badLineNumber == preview.badLineNumber &&
                                     directPreview.preview.badLine == preview.badLine));

    // What the sheet shows must survive a save and a load unchanged.
    QByteArray written;
    try {
        LyricsDocumentWriter writer(QStringLiteral("/music/song.mp3"));
        for (const SheetRow& row : rows)
            writer.addLine(row.number, row.secs, row.lyric);
        written = writer.finish();
    } catch (const VersettaError&) {
        return 0; // a character XML 1.0 cannot carry: the writer refuses, as it should
    }
    const LyricsContent again = ReadLyricsDocument(written);
    require(again.problem.isEmpty() && !again.stoppedEarly);
    const std::vector<SheetRow> rowsAgain = SheetRowsFromLyrics(again.lines);
    require(rowsAgain.size() == rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        require(rowsAgain[i].number == rows[i].number);
        require(rowsAgain[i].secs == rows[i].secs);
        require(rowsAgain[i].lyric == rows[i].lyric);
    }
    return 0;
}
