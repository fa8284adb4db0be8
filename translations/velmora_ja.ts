<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AdjustControls</name>
    <message>
        <source>%1: %2, so it was left unchanged.</source>
        <translation>%1: %2 ため、変更しませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n lines were left unchanged; %2.</source>
        <translation>
            <numerusform>%1: %n 行は変更しませんでした。%2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Adjust Selected Line</source>
        <translation>選択行を調整</translation>
    </message>
    <message>
        <source>Adjust All Lines</source>
        <translation>全行を調整</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n selected lines adjusted.</source>
        <translation>
            <numerusform>%1: 選択した %n 行を調整しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: line %2 has no time to move.</source>
        <translation>%1: %2 行目には動かす時刻がありません。</translation>
    </message>
    <message>
        <source>%1: the amount is too large to step.</source>
        <translation>%1: 値が大きすぎて増減できません。</translation>
    </message>
    <message>
        <source>%1: the spinner stops at %2 seconds; type a larger amount.</source>
        <translation>%1: 矢印ボタンは %2 秒までです。それより大きい値は入力してください。</translation>
    </message>
    <message>
        <source>%1: type the seconds to move by in the box beside it.</source>
        <translation>%1: 横の欄にずらす秒数を入力してください。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of seconds, so nothing was moved.</source>
        <translation>%1: 「%2」は秒数ではないため、何も動かしませんでした。</translation>
    </message>
</context>
<context>
    <name>AlignAudio</name>
    <message>
        <source>it holds no audio that could be decoded</source>
        <translation>デコードできる音声が含まれていません</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot save the lyrics to %1: %2; the file there before is unchanged</source>
        <translation>歌詞を %1 に保存できません: %2。元からあったファイルは変わっていません</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>%1 であり、通常のファイルではありません</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>フォルダー %1 がありません</translation>
    </message>
    <message>
        <source>it lies on a file system mounted read-only</source>
        <translation>読み取り専用でマウントされたファイルシステム上にあります</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>ファイルは読み取り専用です</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>フォルダー %1 は読み取り専用です</translation>
    </message>
    <message>
        <source>its folder takes no temporary file</source>
        <translation>そのフォルダーには一時ファイルを作れません</translation>
    </message>
    <message>
        <source>a new file could not be given its owner and group</source>
        <translation>新しいファイルに元の所有者とグループを設定できませんでした</translation>
    </message>
    <message>
        <source>the file could not be written in full</source>
        <translation>ファイルを最後まで書き込めませんでした</translation>
    </message>
    <message>
        <source>Cannot save the lyrics to %1: %2</source>
        <translation>歌詞を %1 に保存できません: %2</translation>
    </message>
    <message>
        <source>Saved %1 in place: %2, so the save was not atomic</source>
        <translation>%1 をその場で上書き保存しました: %2。そのため保存は不可分ではありませんでした</translation>
    </message>
    <message>
        <source>Cannot save the lyrics to %1: %2; nothing was written</source>
        <translation>歌詞を %1 に保存できません: %2。何も書き込まれていません</translation>
    </message>
</context>
<context>
    <name>AudioFormats</name>
    <message>
        <source>the Vorbis comment LYRICS</source>
        <translation>Vorbis コメント LYRICS</translation>
    </message>
    <message>
        <source>the MP4 lyrics item (©lyr)</source>
        <translation>MP4 の歌詞項目 (©lyr)</translation>
    </message>
    <message>
        <source>the ID3v2 tag (USLT)</source>
        <translation>ID3v2 タグ (USLT)</translation>
    </message>
    <message>
        <source>MP3s (*.mp3);;Audio files (%1)</source>
        <translation>MP3 (*.mp3);;音声ファイル (%1)</translation>
    </message>
</context>
<context>
    <name>AudioLayout</name>
    <message>
        <source>its format has no lyrics field here</source>
        <translation>この形式にはここで使える歌詞の欄がありません</translation>
    </message>
    <message>
        <source>it is not a FLAC file</source>
        <translation>FLAC ファイルではありません</translation>
    </message>
    <message>
        <source>its FLAC metadata is cut short</source>
        <translation>FLAC メタデータが途中で切れています</translation>
    </message>
    <message>
        <source>its stream information is damaged</source>
        <translation>ストリーム情報が壊れています</translation>
    </message>
    <message>
        <source>its Vorbis comments are damaged</source>
        <translation>Vorbis コメントが壊れています</translation>
    </message>
    <message>
        <source>the lyrics are too long for a FLAC comment block</source>
        <translation>歌詞が FLAC のコメントブロックには長すぎます</translation>
    </message>
    <message>
        <source>it is not an MP4 file</source>
        <translation>MP4 ファイルではありません</translation>
    </message>
    <message>
        <source>the lyrics are too long for its tag</source>
        <translation>歌詞がタグには長すぎます</translation>
    </message>
    <message>
        <source>it is a fragmented MP4 file, whose audio could not be moved</source>
        <translation>断片化された MP4 ファイルで、その音声を移動できませんでした</translation>
    </message>
    <message>
        <source>its chunk offsets are damaged</source>
        <translation>チャンクのオフセットが壊れています</translation>
    </message>
    <message>
        <source>its chunk offsets would not fit</source>
        <translation>チャンクのオフセットが収まりません</translation>
    </message>
    <message>
        <source>it is not an Ogg file</source>
        <translation>Ogg ファイルではありません</translation>
    </message>
    <message>
        <source>it holds no Vorbis, Opus or FLAC audio</source>
        <translation>Vorbis、Opus、FLAC のどの音声も入っていません</translation>
    </message>
    <message>
        <source>its Ogg header pages are damaged</source>
        <translation>Ogg のヘッダーページが壊れています</translation>
    </message>
    <message>
        <source>its header pages hold audio too, which this program does not lay out anew</source>
        <translation>ヘッダーページに音声も入っており、このプログラムはそれを組み直しません</translation>
    </message>
    <message>
        <source>its Ogg header pages are damaged (a checksum does not match)</source>
        <translation>Ogg のヘッダーページが壊れています (チェックサムが一致しません)</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>WAV ファイルではありません</translation>
    </message>
    <message>
        <source>its format chunk is damaged</source>
        <translation>フォーマットチャンクが壊れています</translation>
    </message>
    <message>
        <source>the lyrics are too long for a WAV chunk</source>
        <translation>歌詞が WAV のチャンクには長すぎます</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>create it with: velmora-dbsetup &quot;%1&quot;</source>
        <translation>次のコマンドで作成してください: velmora-dbsetup &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 not found; %2</source>
        <translation>%1 が見つかりません。%2</translation>
    </message>
    <message>
        <source>%1 is a folder, not the jukebox database; move it aside and %2</source>
        <translation>%1 はフォルダーで、ジュークボックスのデータベースではありません。別の場所へ移し、%2</translation>
    </message>
    <message>
        <source>Cannot read the jukebox database %1: allow this program to read and write it</source>
        <translation>ジュークボックスのデータベース %1 を読めません: このプログラムに読み書きを許可してください</translation>
    </message>
    <message>
        <source>%1 is an Access (Jet) database; this program needs the SQLite form of the jukebox database: move the file aside and %2</source>
        <translation>%1 は Access (Jet) のデータベースです。このプログラムには SQLite 形式のジュークボックスのデータベースが必要です: ファイルを別の場所へ移し、%2</translation>
    </message>
    <message>
        <source>%1 is not a database; move it aside and %2</source>
        <translation>%1 はデータベースではありません。別の場所へ移し、%2</translation>
    </message>
    <message>
        <source>The jukebox database %1 has no table %2; add it with: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</source>
        <translation>ジュークボックスのデータベース %1 にテーブル %2 がありません。次のコマンドで追加してください: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The jukebox database %1 lacks the column %2 that &quot;%3&quot; needs; the Lyrics table must have LineNumber, FileName, TimeMarker and LyricLine</source>
        <translation>ジュークボックスのデータベース %1 には &quot;%3&quot; に必要な列 %2 がありません。Lyrics テーブルには LineNumber、FileName、TimeMarker、LyricLine が必要です</translation>
    </message>
    <message>
        <source>The jukebox database %1 is locked by another program (the jukebox?); try again in a moment</source>
        <translation>ジュークボックスのデータベース %1 は別のプログラム (ジュークボックス?) がロックしています。少ししてからもう一度試してください</translation>
    </message>
    <message>
        <source>The jukebox database %1 is read-only; allow writing to it and to its folder</source>
        <translation>ジュークボックスのデータベース %1 は読み取り専用です。それとそのフォルダーへの書き込みを許可してください</translation>
    </message>
    <message>
        <source>The jukebox database %1 could not be written: the disk is full</source>
        <translation>ジュークボックスのデータベース %1 に書き込めませんでした: ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>Cannot use the jukebox database %1 (%2); the disk may be full, or this program may not be allowed to read and write it and its folder</source>
        <translation>ジュークボックスのデータベース %1 を使えません (%2)。ディスクがいっぱいか、このプログラムにそれとそのフォルダーの読み書きが許可されていない可能性があります</translation>
    </message>
    <message>
        <source>Cannot open the jukebox database %1 (%2); allow this program to read and write it and its folder</source>
        <translation>ジュークボックスのデータベース %1 を開けません (%2)。このプログラムにそれとそのフォルダーの読み書きを許可してください</translation>
    </message>
    <message>
        <source>The jukebox database %1 refused &quot;%2&quot;: %3</source>
        <translation>ジュークボックスのデータベース %1 が &quot;%2&quot; を拒否しました: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file (%2); move it aside and %3</source>
        <translation>%1 は通常のファイルではありません (%2)。別の場所へ移し、%3</translation>
    </message>
    <message>
        <source>The jukebox database %1 has a trigger &quot;%2&quot; on its Lyrics table, which this program will not run; remove it with: sqlite3 &quot;%1&quot; &apos;DROP TRIGGER &quot;%2&quot;&apos;</source>
        <translation>ジュークボックスのデータベース %1 の Lyrics テーブルにはトリガー &quot;%2&quot; があり、このプログラムはそれを実行しません。次のコマンドで削除してください: sqlite3 &quot;%1&quot; &apos;DROP TRIGGER &quot;%2&quot;&apos;</translation>
    </message>
    <message>
        <source>The jukebox database %1 holds Lyrics as a %2, not a plain table; replace it with: sqlite3 &quot;%1&quot; &apos;DROP %3 Lyrics&apos; and then: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</source>
        <translation>ジュークボックスのデータベース %1 では Lyrics が通常のテーブルではなく %2 です。次のコマンドで置き換えてください: sqlite3 &quot;%1&quot; &apos;DROP %3 Lyrics&apos;、続けて: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>virtual table</source>
        <translation>仮想テーブル</translation>
    </message>
    <message>
        <source>No jukebox database is set yet; Save or Play sets it to the program&apos;s folder</source>
        <translation>ジュークボックスのデータベースがまだ設定されていません。保存か再生でプログラムのフォルダーに設定されます</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing; install the package libqt6sql6-sqlite</source>
        <translation>Qt の SQLite ドライバーがありません。パッケージ libqt6sql6-sqlite をインストールしてください</translation>
    </message>
</context>
<context>
    <name>DatabaseSchema</name>
    <message>
        <source>Cannot create the jukebox database %1: %2</source>
        <translation>ジュークボックスのデータベース %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is</source>
        <translation>%1 はすでにあります。そのままにしました</translation>
    </message>
    <message>
        <source>a file of that name appeared</source>
        <translation>その名前のファイルが現れました</translation>
    </message>
</context>
<context>
    <name>EspeakPhonemizer</name>
    <message>
        <source>espeak-ng&apos;s American English voice is not installed</source>
        <translation>espeak-ng のアメリカ英語の音声がインストールされていません</translation>
    </message>
</context>
<context>
    <name>FfmpegDecoder</name>
    <message>
        <source>it holds no audio that could be decoded</source>
        <translation>デコードできる音声が含まれていません</translation>
    </message>
</context>
<context>
    <name>FileBar</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>AddLyrics</source>
        <translation>歌詞を追加</translation>
    </message>
    <message>
        <source>Show Unsynched Lyrics</source>
        <translation>未同期の歌詞を表示</translation>
    </message>
</context>
<context>
    <name>FormatTags</name>
    <message>
        <source>%1 is %2, not a song.</source>
        <translation>%1 は %2 で、曲ではありません。</translation>
    </message>
    <message>
        <source>the audio would have changed</source>
        <translation>音声が変わってしまうところでした</translation>
    </message>
    <message>
        <source>the lyrics would not read back as written</source>
        <translation>歌詞が書いたとおりに読み戻せませんでした</translation>
    </message>
    <message>
        <source>its tag holds fields that could not be kept as they are (%1)</source>
        <translation>タグに、そのまま残せない欄があります (%1)</translation>
    </message>
    <message>
        <source>the synchronized lyrics</source>
        <translation>同期歌詞</translation>
    </message>
    <message>
        <source>Wrote %1, %2 of them timed, into %3 of %4 as LRC text.</source>
        <translation>%1 (うち時刻付きは %2) を LRC テキストとして %4 の %3 に書き込みました。</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 行</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Id3v2Splice</name>
    <message>
        <source>its ID3v2.2 tag is compressed, which no reader undoes</source>
        <translation>ID3v2.2 タグが圧縮されており、それを戻せる読み手はありません</translation>
    </message>
    <message>
        <source>its tag holds frames that could not be kept as they are (%1)</source>
        <translation>タグに、そのまま残せないフレームがあります (%1)</translation>
    </message>
    <message>
        <source>the lyrics would make its tag larger than a tag can be</source>
        <translation>歌詞を入れるとタグが許される大きさを超えてしまいます</translation>
    </message>
</context>
<context>
    <name>KeptCopy</name>
    <message>
        <source>Did not save: %1 was changed on disk after the sheet was read, and no copy of it could be kept (%2); the file there is unchanged.</source>
        <translation>保存しませんでした: シートを読み込んだ後に %1 がディスク上で変更され、そのコピーを残せませんでした (%2)。ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>Did not save: the sheet does not hold all of %1, and no copy of it could be kept (%2); the file there is unchanged.</source>
        <translation>保存しませんでした: シートには %1 のすべてが入っておらず、そのコピーを残せませんでした (%2)。ファイルは変更されていません。</translation>
    </message>
    <message>
        <source>every name for a copy is taken</source>
        <translation>コピーに使える名前がすべて使われています</translation>
    </message>
    <message>
        <source>%1 was changed on disk after the sheet was read, so the file there before is kept as %2.</source>
        <translation>シートを読み込んだ後に %1 がディスク上で変更されたため、以前のファイルを %2 として残しました。</translation>
    </message>
    <message>
        <source>The sheet does not hold all of %1, so the file there before is kept as %2.</source>
        <translation>シートには %1 のすべてが入っていないため、以前のファイルを %2 として残しました。</translation>
    </message>
</context>
<context>
    <name>KeyOverlay</name>
    <message>
        <source>Page %1 of %2: %3 turns the page</source>
        <translation>%2 ページ中 %1 ページ目: %3 で次のページ</translation>
    </message>
</context>
<context>
    <name>LyricAligner</name>
    <message>
        <source>%1: suggestions are rough, lines spread by syllables between marks. Mark a few lines and they improve.</source>
        <translation>%1: 提案はおおまかで、行はマークの間に音節の数で割り振られています。何行かマークすると精度が上がります。</translation>
    </message>
    <message>
        <source>The lyrics hold no words to listen for</source>
        <translation>歌詞に聞き取る単語がありません</translation>
    </message>
    <message>
        <source>The lyrics hold more than %1 words, too many to listen for</source>
        <translation>歌詞が %1 語を超えていて、聞き取るには多すぎます</translation>
    </message>
    <message>
        <source>The lyrics are mostly not in Latin letters, and only words in Latin letters can be heard</source>
        <translation>歌詞の大半がラテン文字ではなく、聞き取れるのはラテン文字の単語だけです</translation>
    </message>
    <message>
        <source>The lyrics are mostly not English: their words are heard as English would say them, and the suggested times stay rough guesses</source>
        <translation>歌詞の大半が英語ではありません。単語は英語の発音として聞き取るため、提案される時刻はおおまかな推定のままです</translation>
    </message>
    <message>
        <source>Could not hear a voice clearly</source>
        <translation>声をはっきり聞き取れませんでした</translation>
    </message>
</context>
<context>
    <name>LyricSheet</name>
    <message>
        <source>Add Line To End</source>
        <translation>末尾に行を追加</translation>
    </message>
    <message>
        <source>Insert Line</source>
        <translation>行を挿入</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>行を削除</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>選択行の歌詞を編集</translation>
    </message>
    <message>
        <source>Mark Line at %1</source>
        <translation>%1 に行をマーク</translation>
    </message>
    <message>
        <source>Clear All Time Markings</source>
        <translation>すべての時刻マークを消去</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>%1 行目は%2</translation>
    </message>
    <message>
        <source>has the time &quot;%1&quot;, which is not a number</source>
        <translation>時刻「%1」が数値ではありません</translation>
    </message>
    <message>
        <source>would move outside -%1 to %1 seconds</source>
        <translation>-%1～%1 秒の範囲外に出てしまいます</translation>
    </message>
    <message>
        <source>cannot move by &quot;%1&quot;, which is too large</source>
        <translation>「%1」は大きすぎて動かせません</translation>
    </message>
    <message>
        <source>Adjust All Lines</source>
        <translation>全行を調整</translation>
    </message>
    <message>
        <source>Adjust Selected Line</source>
        <translation>選択行を調整</translation>
    </message>
    <message>
        <source>⚠ Doubtful mark: %1. Ctrl+R replays the line to mark it again, Alt+Left or Alt+Right moves it by 0.1 s, Ctrl+G keeps it as it is.</source>
        <translation>⚠ 疑わしいマーク: %1。Ctrl+R で行を再生し直してマークし直し、Alt+Left / Alt+Right で 0.1 s 動かし、Ctrl+G でそのまま残します。</translation>
    </message>
    <message>
        <source>Suggested time (grey): %1, not saved until accepted. Ctrl+G accepts it; Ctrl+Shift+G accepts every confident one.</source>
        <translation>提案された時刻 (灰色): %1。採用するまで保存されません。Ctrl+G で採用、Ctrl+Shift+G で確実なものをすべて採用します。</translation>
    </message>
    <message>
        <source>heard in the song</source>
        <translation>曲の中で聞き取ったもの</translation>
    </message>
    <message>
        <source>a rough guess</source>
        <translation>おおまかな推定</translation>
    </message>
    <message>
        <source>suggested %1</source>
        <translation>提案 %1</translation>
    </message>
    <message>
        <source>%1, doubtful: %2</source>
        <translation>%1、疑わしい: %2</translation>
    </message>
    <message>
        <source>Lyric</source>
        <translation>歌詞</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Secs</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>%1%2 s</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <source>Mark Word &quot;%1&quot; at %2</source>
        <translation>単語「%1」を %2 にマーク</translation>
    </message>
    <message>
        <source>Nudge Word by %1</source>
        <translation>単語を %1 移動</translation>
    </message>
    <message>
        <source>Nudge Lines by %1</source>
        <translation>行を %1 移動</translation>
    </message>
    <message>
        <source>Nudge Line by %1</source>
        <translation>行を %1 移動</translation>
    </message>
    <message>
        <source>Adjust Selected Lines</source>
        <translation>選択行を調整</translation>
    </message>
    <message>
        <source>Move Word &quot;%1&quot; to %2</source>
        <translation>単語「%1」を %2 へ移動</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into &quot;%2&quot;</source>
        <translation>「%1」を「%2」に分割</translation>
    </message>
</context>
<context>
    <name>LyricsXml</name>
    <message>
        <source>The song&apos;s path holds a character a lyrics file cannot hold (%1); rename the song and save again</source>
        <translation>曲のパスに歌詞ファイルが保持できない文字があります (%1)。曲の名前を変えて、もう一度保存してください</translation>
    </message>
    <message>
        <source>Line %1 holds a character a lyrics file cannot hold (%2); remove it and save again</source>
        <translation>%1 行目に歌詞ファイルが保持できない文字があります (%2)。その文字を消して、もう一度保存してください</translation>
    </message>
    <message>
        <source>a lyric is longer than %1 characters</source>
        <translation>歌詞の行が %1 文字より長くなっています</translation>
    </message>
    <message>
        <source>its text comes to more than %1 characters</source>
        <translation>テキストが %1 文字を超えています</translation>
    </message>
    <message>
        <source>text between elements was skipped</source>
        <translation>要素の間のテキストを読み飛ばしました</translation>
    </message>
    <message>
        <source>its document type declares entities, which a lyrics file never does</source>
        <translation>文書型がエンティティを宣言していますが、歌詞ファイルはそうしません</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>ルート要素がありません</translation>
    </message>
    <message>
        <source>Cannot read the lyrics file %1: %2</source>
        <translation>歌詞ファイル %1 を読めません: %2</translation>
    </message>
    <message>
        <source>%1 is damaged at line %2, column %3 (%4)</source>
        <translation>%1 は %2 行目、%3 列目で壊れています (%4)</translation>
    </message>
    <message>
        <source>%1; no lines could be read from it</source>
        <translation>%1。そこから行を 1 つも読めませんでした</translation>
    </message>
    <message>
        <source>%1; the sheet shows the lines before that point, and saving would drop the rest</source>
        <translation>%1。一覧にはそこまでの行を表示しています。保存すると残りは失われます</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <translation>%1、%2 行目、%3 列目: %4</translation>
    </message>
    <message>
        <source>%1 holds %2 lines; the sheet shows the first %3 and saving now would drop the rest</source>
        <translation>%1 には %2 行あります。一覧には最初の %3 行を表示しており、今保存すると残りは失われます</translation>
    </message>
    <message>
        <source>a control character (%1), which XML does not allow</source>
        <translation>XML では使えない制御文字 (%1)</translation>
    </message>
</context>
<context>
    <name>MarkingSettings</name>
    <message>
        <source>the settings file %1 is %2</source>
        <translation>設定ファイル %1 は%2です</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: it is not in the settings format, so it is left as it is</source>
        <translation>設定ファイル %1 を読めません。設定の形式ではないため、そのままにしてあります</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read</source>
        <translation>設定ファイル %1 を読めません</translation>
    </message>
    <message>
        <source>the settings file %1 is not writable</source>
        <translation>設定ファイル %1 に書き込めません</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: it is not in the settings format</source>
        <translation>設定ファイル %1 を読めません。設定の形式ではありません</translation>
    </message>
</context>
<context>
    <name>MediaModule</name>
    <message>
        <source>the media module %1 could not be loaded (%2)</source>
        <translation>メディアモジュール %1 を読み込めませんでした (%2)</translation>
    </message>
    <message>
        <source>the media module %1 is not in %2</source>
        <translation>メディアモジュール %1 が %2 にありません</translation>
    </message>
    <message>
        <source> or </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>MediaServices</name>
    <message>
        <source>this program was built without its media module</source>
        <translation>このプログラムはメディアモジュールなしでビルドされました</translation>
    </message>
</context>
<context>
    <name>MissingMedia</name>
    <message>
        <source>%1 could not be loaded: %2</source>
        <translation>%1 を読み込めませんでした: %2</translation>
    </message>
    <message>
        <source>the audio player</source>
        <translation>音声プレーヤー</translation>
    </message>
    <message>
        <source>the audio decoder</source>
        <translation>音声デコーダー</translation>
    </message>
    <message>
        <source>the speech recogniser</source>
        <translation>音声認識</translation>
    </message>
    <message>
        <source>the word pronouncer</source>
        <translation>単語の発音変換</translation>
    </message>
    <message>
        <source>the voice detector</source>
        <translation>声の検出</translation>
    </message>
</context>
<context>
    <name>ModelCheck</name>
    <message>
        <source>the English speech model in %1 is damaged (%2)</source>
        <translation>%1 にある英語の音声モデルが壊れています (%2)</translation>
    </message>
    <message>
        <source>%1 is not as its package installed it; reinstall pocketsphinx-en-us</source>
        <translation>%1 がパッケージでインストールされたときのままではありません。pocketsphinx-en-us を再インストールしてください</translation>
    </message>
    <message>
        <source>it could not be tried: %1</source>
        <translation>試せませんでした: %1</translation>
    </message>
    <message>
        <source>loading it did not end</source>
        <translation>読み込みが終わりませんでした</translation>
    </message>
    <message>
        <source>loading it crashed the recogniser with signal %1</source>
        <translation>読み込み中に音声認識がシグナル %1 で異常終了しました</translation>
    </message>
    <message>
        <source>the recogniser could not read it</source>
        <translation>音声認識がそれを読めませんでした</translation>
    </message>
</context>
<context>
    <name>MpvEngine</name>
    <message>
        <source>the audio player could not be started (libmpv)</source>
        <translation>オーディオプレーヤーを起動できませんでした (libmpv)</translation>
    </message>
    <message>
        <source>the audio player could not be initialised (libmpv)</source>
        <translation>オーディオプレーヤーを初期化できませんでした (libmpv)</translation>
    </message>
</context>
<context>
    <name>PreciseTimes</name>
    <message>
        <source>it has %1 lines, the lyrics file %2</source>
        <translation>行数が %1 で、歌詞ファイルは %2 です</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>%1 has other words</source>
        <translation>%1 の単語が異なります</translation>
    </message>
    <message>
        <source>%1 is not marked in the lyrics file</source>
        <translation>%1 は歌詞ファイルでマークされていません</translation>
    </message>
    <message>
        <source>%1 is marked only in the lyrics file</source>
        <translation>%1 は歌詞ファイルでだけマークされています</translation>
    </message>
    <message>
        <source>%1 is at %2, not in second %3 of the lyrics file</source>
        <translation>%1 は %2 にあり、歌詞ファイルの %3 秒台ではありません</translation>
    </message>
    <message>
        <source>%1 was not used for precise times: %2.</source>
        <translation>%1 は精密な時刻に使いませんでした: %2。</translation>
    </message>
    <message>
        <source>it holds more lines than a lyrics file</source>
        <translation>歌詞ファイルより多くの行があります</translation>
    </message>
    <message>
        <source>it does not match the lyrics file (%1)</source>
        <translation>歌詞ファイルと一致しません (%1)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>not a regular file (%1)</source>
        <translation>通常のファイルではありません (%1)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>名前付きパイプ</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ソケット</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>普通のファイル以外のもの</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>リンク先のないリンク</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be looked at</source>
        <translation>%1 へのリンクで、その先を調べられません</translation>
    </message>
    <message>
        <source>it is a link to %1 outside the song&apos;s folder, which a save as root never follows</source>
        <translation>曲のフォルダーの外にある %1 へのリンクで、root としての保存ではたどりません</translation>
    </message>
    <message>
        <source>it is a link to %1, a file of another owner outside the song&apos;s folder</source>
        <translation>曲のフォルダーの外にある、別の所有者のファイル %1 へのリンクです</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file did not read back as written</source>
        <translation>ファイルが書いたとおりに読み戻せませんでした</translation>
    </message>
    <message>
        <source>%1, and the old contents could not be put back</source>
        <translation>%1。さらに、元の内容を戻せませんでした</translation>
    </message>
    <message>
        <source>%1, so the old contents were put back</source>
        <translation>%1。そのため元の内容に戻しました</translation>
    </message>
    <message>
        <source>%1, so the file was left as it was</source>
        <translation>%1。そのためファイルは元のままです</translation>
    </message>
</context>
<context>
    <name>RunTagSave</name>
    <message>
        <source>Saving %1 into %2…</source>
        <translation>%1 を %2 に保存しています…</translation>
    </message>
</context>
<context>
    <name>SheetPanel</name>
    <message>
        <source>Clear All Time Markings</source>
        <translation>すべての時刻マークを消去</translation>
    </message>
    <message>
        <source>Insert Line</source>
        <translation>行を挿入</translation>
    </message>
    <message>
        <source>Add Line To End</source>
        <translation>末尾に行を追加</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>行を削除</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>選択行の歌詞を編集</translation>
    </message>
    <message>
        <source>Move Up 1 Line</source>
        <translation>1 行上へ</translation>
    </message>
    <message>
        <source>Move Down 1 Line</source>
        <translation>1 行下へ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Ctrl+Z undoes the last change to the sheet; Ctrl+Shift+Z or Ctrl+Y redoes it.</source>
        <translation>Ctrl+Z でシートへの最後の変更を元に戻し、Ctrl+Shift+Z または Ctrl+Y でやり直します。</translation>
    </message>
    <message>
        <source>The line being sung, or the one selected</source>
        <translation>歌われている行、または選択した行</translation>
    </message>
    <message>
        <source>Current line</source>
        <translation>現在の行</translation>
    </message>
    <message>
        <source>%1: the sheet has no lines.</source>
        <translation>%1: シートに行がありません。</translation>
    </message>
    <message>
        <source>%1: select a line first.</source>
        <translation>%1: 先に行を選択してください。</translation>
    </message>
    <message>
        <source>%1: the sheet already holds %2 lines, the most it can hold. Remove a line first.</source>
        <translation>%1: シートにはすでに上限の %2 行があります。先に行を削除してください。</translation>
    </message>
    <message>
        <source>Edit Selected Lyric:</source>
        <translation>選択行の歌詞を編集:</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>元に戻す操作はありません。</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>やり直す操作はありません。</translation>
    </message>
    <message>
        <source>Undid: %1</source>
        <translation>元に戻しました: %1</translation>
    </message>
    <message>
        <source>Redid: %1</source>
        <translation>やり直しました: %1</translation>
    </message>
    <message>
        <source>Suggested times can be accepted in the sheet while the song is stopped.</source>
        <translation>提案された時刻は、曲を止めている間にシートで採用できます。</translation>
    </message>
    <message>
        <source>Removed line %1; Ctrl+Z brings it back.</source>
        <translation>%1 行目を削除しました。Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source>Removed line %1, &quot;%2&quot;; Ctrl+Z brings it back.</source>
        <translation>%1 行目「%2」を削除しました。Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source>No line has a time to clear.</source>
        <translation>消せる時刻のある行はありません。</translation>
    </message>
    <message>
        <source>Cleared the time of 1 line; Ctrl+Z brings it back.</source>
        <translation>1 行の時刻を消しました。Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source>Cleared the times of %1 lines; Ctrl+Z brings them back.</source>
        <translation>%1 行の時刻を消しました。Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>SongAnalysis</name>
    <message>
        <source>No suggested times: %1. Mark the lines as the song plays.</source>
        <translation>時刻の提案はありません: %1。曲を再生しながら行をマークしてください。</translation>
    </message>
    <message>
        <source>Only the song&apos;s first %1 minutes get suggested times.</source>
        <translation>時刻が提案されるのは曲の最初の %1 分だけです。</translation>
    </message>
    <message>
        <source>No suggested times: there is not enough memory for the analysis. Mark the lines as the song plays.</source>
        <translation>時刻の提案はありません: 解析に必要なメモリが足りません。曲を再生しながら行をマークしてください。</translation>
    </message>
</context>
<context>
    <name>SongCopy</name>
    <message>
        <source>there is no such file.</source>
        <translation>そのファイルはありません。</translation>
    </message>
    <message>
        <source>it is %1, not a regular file.</source>
        <translation>%1 であり、通常のファイルではありません。</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>ファイルは読み取り専用です。</translation>
    </message>
    <message>
        <source>the temporary copy could not be written to disk.</source>
        <translation>一時コピーをディスクに書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>SongPlayback</name>
    <message>
        <source>%1; settings are not kept.</source>
        <translation>%1。設定は保持されません。</translation>
    </message>
    <message>
        <source>Speed %1×</source>
        <translation>速度 %1×</translation>
    </message>
    <message>
        <source>reaction delay %1 ms</source>
        <translation>反応の遅れ %1 ms</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Seeking works while a song is playing or paused.</source>
        <translation>曲の再生中または一時停止中に移動できます。</translation>
    </message>
    <message>
        <source>Speed %1× is the slowest.</source>
        <translation>速度 %1× が最も遅い速度です。</translation>
    </message>
    <message>
        <source>Speed %1× is the fastest.</source>
        <translation>速度 %1× が最も速い速度です。</translation>
    </message>
    <message>
        <source>Normal speed.</source>
        <translation>通常の速度。</translation>
    </message>
    <message>
        <source>No reaction delay: marks are taken at the press.</source>
        <translation>反応の遅れなし: キーを押した時点でマークします。</translation>
    </message>
    <message>
        <source> (it could not be kept for the next run: %1)</source>
        <translation> (次回の起動用には保存できませんでした: %1)</translation>
    </message>
    <message>
        <source>Lines can be marked up to %1 into a song.</source>
        <translation>行をマークできるのは曲の %1 までです。</translation>
    </message>
    <message>
        <source>The clicks for measuring the reaction delay could not be written to a temporary folder.</source>
        <translation>反応の遅れを測るクリック音を一時フォルダーに書き込めませんでした。</translation>
    </message>
    <message>
        <source>Reaction delay: press Mark Line at each of the %1 clicks (Stop ends it).</source>
        <translation>反応の遅れ: %1 回のクリック音ごとに「行をマーク」を押してください (停止で終了)。</translation>
    </message>
    <message>
        <source>Reaction delay: %1 of %2 clicks taken.</source>
        <translation>反応の遅れ: %2 回中 %1 回を記録しました。</translation>
    </message>
    <message>
        <source>Reaction delay unchanged (%1 ms): only %2 of %3 clicks were taken; Ctrl+T tries again.</source>
        <translation>反応の遅れは変わりません (%1 ms): %3 回中 %2 回しか記録できませんでした。Ctrl+T でやり直します。</translation>
    </message>
    <message>
        <source>Cannot play %1: it is %2, not a song file.</source>
        <translation>%1 を再生できません: %2 であり、曲のファイルではありません。</translation>
    </message>
</context>
<context>
    <name>SongSession</name>
    <message>
        <source>1 line</source>
        <translation>1 行</translation>
    </message>
    <message>
        <source>Open Song Without Lyrics</source>
        <translation>歌詞のない曲を開く</translation>
    </message>
    <message>
        <source>%1 lies beside the song: Ctrl+I reads it into the sheet.</source>
        <translation>曲の隣に %1 があります。Ctrl+I でシートに読み込みます。</translation>
    </message>
    <message>
        <source>Load Lyrics File</source>
        <translation>歌詞ファイルを読み込む</translation>
    </message>
    <message>
        <source>Load Tag Lyrics</source>
        <translation>タグの歌詞を読み込む</translation>
    </message>
    <message>
        <source>The lyrics have %1 lines; only the first %2 are on the sheet.</source>
        <translation>歌詞は %1 行ありますが、シートに載せたのは最初の %2 行だけです。</translation>
    </message>
    <message>
        <source>No audio player is available.</source>
        <translation>音声プレーヤーを使えません。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2; the song plays without a preview</source>
        <translation>%1 を読めません: %2。曲はプレビューなしで再生されます</translation>
    </message>
    <message>
        <source>%1, line element %2: the LineNumber &quot;%3&quot; is not a whole number from -32768 to 32767; the preview holds the lines before it</source>
        <translation>%1、行要素 %2: LineNumber「%3」が -32768～32767 の整数ではありません。プレビューにはそれより前の行が入っています</translation>
    </message>
    <message>
        <source>Open a song before %1.</source>
        <translation>%1前に曲を開いてください。</translation>
    </message>
    <message>
        <source>Open a song before saving its lyrics</source>
        <translation>歌詞を保存する前に曲を開いてください</translation>
    </message>
    <message>
        <source>Cannot save: the song&apos;s name &quot;%1&quot; is too short to name a lyrics file beside it</source>
        <translation>保存できません: 曲の名前「%1」が短すぎて、隣に置く歌詞ファイルの名前を付けられません</translation>
    </message>
    <message>
        <source>Saved %1, but not its precise times: %2</source>
        <translation>%1 を保存しましたが、精密な時刻は保存できませんでした: %2</translation>
    </message>
    <message>
        <source>Saved %1: %2, %3 marked</source>
        <translation>%1 を保存しました: %2、マーク済み %3</translation>
    </message>
    <message>
        <source>; the precise times in %1</source>
        <translation>。精密な時刻は %1 に</translation>
    </message>
    <message>
        <source>Cannot save the lyrics: no tag component.</source>
        <translation>歌詞を保存できません: タグ部品がありません。</translation>
    </message>
    <message>
        <source>Open a song before saving its lyrics.</source>
        <translation>歌詞を保存する前に曲を開いてください。</translation>
    </message>
    <message>
        <source>Saved empty lyrics into %1 of %2.</source>
        <translation>%2 の%1に空の歌詞を保存しました。</translation>
    </message>
    <message>
        <source>Saved %1 of lyrics into %2 of %3.</source>
        <translation>歌詞 %1 を %3 の%2に保存しました。</translation>
    </message>
    <message>
        <source>writing timed lyrics into its tag</source>
        <translation>タグに時刻付きの歌詞を書き込む</translation>
    </message>
    <message>
        <source>No line is marked yet, so the tag of %1 was not changed.</source>
        <translation>まだどの行もマークされていないので、%1 のタグは変更しませんでした。</translation>
    </message>
    <message>
        <source>Cannot write timed lyrics: no tag component.</source>
        <translation>時刻付きの歌詞を書き込めません: タグ部品がありません。</translation>
    </message>
    <message>
        <source>writing an LRC file</source>
        <translation>LRC ファイルを書き出す</translation>
    </message>
    <message>
        <source>No line is marked yet, so %1 was not written.</source>
        <translation>まだどの行もマークされていないので、%1 は書き出しませんでした。</translation>
    </message>
    <message>
        <source>Wrote %1: %2 timed lines of %3.</source>
        <translation>%1 を書き出しました: %3 行中 %2 行に時刻付き。</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>writing subtitles</source>
        <translation>字幕を書き出す</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>No line is marked yet, so %1 were not written: mark lines first.</source>
        <translation>まだどの行もマークされていないので、%1 は書き出しませんでした。先に行をマークしてください。</translation>
    </message>
    <message>
        <source>Wrote %1, but not the rest: %2</source>
        <translation>%1 を書き出しましたが、残りは書き出せませんでした: %2</translation>
    </message>
    <message>
        <source>Wrote %1 beside the song: %2</source>
        <translation>曲の隣に %1 を書き出しました: %2</translation>
    </message>
    <message>
        <source>; %1 without a time left out (mark them to include them)</source>
        <translation>。時刻のない %1 は省きました (含めるにはマークしてください)</translation>
    </message>
    <message>
        <source>reading its LRC file</source>
        <translation>LRC ファイルを読み込む</translation>
    </message>
    <message>
        <source>%1 has a lyrics file already (%2); drop %3 on the window to replace the sheet with it.</source>
        <translation>%1 にはすでに歌詞ファイル (%2) があります。シートを置き換えるには %3 をウィンドウにドロップしてください。</translation>
    </message>
    <message>
        <source>There is no %1 beside the song.</source>
        <translation>曲の隣に %1 がありません。</translation>
    </message>
    <message>
        <source>%1 holds more lines than the sheet&apos;s %2; the sheet was left as it was.</source>
        <translation>%1 の行数がシートの上限 %2 を超えています。シートはそのままです。</translation>
    </message>
    <message>
        <source>%1 holds no lyrics lines; the sheet was left as it was.</source>
        <translation>%1 に歌詞の行がありません。シートはそのままです。</translation>
    </message>
    <message>
        <source>%1 holds no time stamps, so it is no LRC file; the sheet was left as it was.</source>
        <translation>%1 にタイムスタンプがないので LRC ファイルではありません。シートはそのままです。</translation>
    </message>
    <message>
        <source>Read LRC File</source>
        <translation>LRC ファイルを読み込む</translation>
    </message>
    <message numerus="yes">
        <source>Read %n lines from %1; Save writes them to the lyrics file.</source>
        <translation>
            <numerusform>%1 から %n 行を読み込みました。「保存」で歌詞ファイルに書き込みます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Precise times are kept: Save also writes Song.lrc beside Song.xml, in milliseconds.</source>
        <translation>精密な時刻を保持します: 「保存」で Song.xml の隣に Song.lrc もミリ秒単位で書き込みます。</translation>
    </message>
    <message>
        <source>Precise times are not kept: Save writes Song.xml alone, in whole seconds.</source>
        <translation>精密な時刻は保持しません: 「保存」は Song.xml だけを秒単位で書き込みます。</translation>
    </message>
    <message>
        <source> It lasts until the window closes: %1.</source>
        <translation> ウィンドウを閉じるまで有効です: %1。</translation>
    </message>
    <message>
        <source>Word marking is on, and word times live only in Song.lrc: turn it off first.</source>
        <translation>単語マークがオンで、単語の時刻は Song.lrc にしかありません。先にオフにしてください。</translation>
    </message>
    <message>
        <source>Word marking is off: Mark Line stamps the next line.</source>
        <translation>単語マーク オフ: 「行をマーク」で次の行に時刻を付けます。</translation>
    </message>
    <message>
        <source>Word marking is on: Mark Line stamps the next word of the line.</source>
        <translation>単語マーク オン: 「行をマーク」で行の次の単語に時刻を付けます。</translation>
    </message>
    <message>
        <source>%1%2 s</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <source>Select a line to nudge.</source>
        <translation>動かす行を選択してください。</translation>
    </message>
    <message>
        <source>That word has no time to nudge yet.</source>
        <translation>その単語にはまだ動かす時刻がありません。</translation>
    </message>
    <message>
        <source>The selected lines have no time to nudge.</source>
        <translation>選択した行には動かす時刻がありません。</translation>
    </message>
    <message>
        <source>The time cannot move before the song&apos;s start.</source>
        <translation>時刻を曲の先頭より前には動かせません。</translation>
    </message>
    <message numerus="yes">
        <source>; %n without a time stayed</source>
        <translation>
            <numerusform>(時刻のない %n 行はそのまま)</numerusform>
        </translation>
    </message>
    <message>
        <source>Adjust Selected Line: %1, so it was left unchanged.</source>
        <translation>選択行を調整: %1 ため、変更しませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Adjust Selected Line: %n lines were left unchanged; %1.</source>
        <translation>
            <numerusform>選択行を調整: %n 行は変更しませんでした。%1。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n 行</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>Lines %1–%2</source>
        <translation>%1–%2 行目</translation>
    </message>
    <message>
        <source>%1 lines from line %2</source>
        <translation>%2 行目からの %1 行</translation>
    </message>
    <message>
        <source>Lines %1 and %2</source>
        <translation>%1、%2 行目</translation>
    </message>
    <message>
        <source>Word “%1” of line %2 moved %3 to %4.</source>
        <translation>%2 行目の単語「%1」を %3 動かして %4 にしました。</translation>
    </message>
    <message>
        <source>%1 moved %2%3.</source>
        <translation>%1 を %2 動かしました%3。</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 (%2 へ)</translation>
    </message>
    <message>
        <source>Wrote %1: 1 timed line of %2.</source>
        <translation>%1 を書き出しました: %2 行中 1 行に時刻付き。</translation>
    </message>
    <message>
        <source>Bring Back Unsaved Changes</source>
        <translation>保存されなかった変更を戻す</translation>
    </message>
    <message>
        <source>Brought back the %1 kept unsaved on %2; Save writes them to the lyrics file, Ctrl+Z takes them back.</source>
        <translation>%2 に保存されずに残された %1 を戻しました。保存で歌詞ファイルに書き込み、Ctrl+Z で元に戻せます。</translation>
    </message>
</context>
<context>
    <name>SongSuggestions</name>
    <message>
        <source>Suggesting times… %1 %</source>
        <translation>時刻を提案しています… %1 %</translation>
    </message>
    <message>
        <source>Accept Suggested Time: select a line first.</source>
        <translation>提案された時刻を採用: 先に行を選択してください。</translation>
    </message>
    <message>
        <source>Line %1 keeps its mark.</source>
        <translation>%1 行目のマークはそのままです。</translation>
    </message>
    <message>
        <source>Accept Suggested Time: line %1 has no suggested time.</source>
        <translation>提案された時刻を採用: %1 行目には提案された時刻がありません。</translation>
    </message>
    <message>
        <source>Accept Suggested Time</source>
        <translation>提案された時刻を採用</translation>
    </message>
    <message>
        <source>Line %1 takes its suggested time.</source>
        <translation>%1 行目に提案された時刻を採用しました。</translation>
    </message>
    <message>
        <source>Accept Suggested Times: the suggestions are not ready yet.</source>
        <translation>提案された時刻を採用: 提案の準備がまだできていません。</translation>
    </message>
    <message>
        <source>Accept Suggested Times: no confident suggestion to accept.</source>
        <translation>提案された時刻を採用: 採用できる確実な提案がありません。</translation>
    </message>
    <message>
        <source>Accept Suggested Times</source>
        <translation>提案された時刻をすべて採用</translation>
    </message>
    <message numerus="yes">
        <source>%n lines take their suggested times.</source>
        <translation>
            <numerusform>%n 行に提案された時刻を採用しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 words in %2 lines take their suggested times.</source>
        <translation>%2 行の %1 語に提案された時刻を採用しました。</translation>
    </message>
    <message>
        <source>%1 lines take their suggested times; %2 words in %3 lines take theirs.</source>
        <translation>%1 行に提案された時刻を採用し、%3 行の %2 語にも採用しました。</translation>
    </message>
    <message>
        <source>Accept Word Times: select a line first.</source>
        <translation>単語の時刻を採用: まず行を選択してください。</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1&apos;s words are not ready yet.</source>
        <translation>単語の時刻を採用: %1 行目の単語はまだ準備ができていません。</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1 has no suggested word times; the next line needs its time first.</source>
        <translation>単語の時刻を採用: %1 行目には提案された単語の時刻がありません。先に次の行に時刻が必要です。</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1 has no time yet; mark it first.</source>
        <translation>単語の時刻を採用: %1 行目にはまだ時刻がありません。先にマークしてください。</translation>
    </message>
    <message>
        <source>Accept Word Times</source>
        <translation>単語の時刻を採用</translation>
    </message>
    <message>
        <source>Line %1 takes %2 suggested word times.</source>
        <translation>%1 行目に提案された単語の時刻を %2 個採用しました。</translation>
    </message>
    <message>
        <source>Line %1 is marked already; Ctrl+Shift+W takes its suggested word times.</source>
        <translation>%1 行目はすでにマーク済みです。Ctrl+Shift+W で提案された単語時刻を採用します。</translation>
    </message>
    <message>
        <source>Line %1 is marked already.</source>
        <translation>%1 行目はすでにマーク済みです。</translation>
    </message>
</context>
<context>
    <name>SphinxRecogniser</name>
    <message>
        <source>the English speech model is not installed (%1)</source>
        <translation>英語の音声モデルがインストールされていません (%1)</translation>
    </message>
    <message>
        <source>the English speech model could not be loaded (%1)</source>
        <translation>英語の音声モデルを読み込めませんでした (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory to load the English speech model</source>
        <translation>英語の音声モデルを読み込むメモリが足りません</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>What the last action did and what to do next</source>
        <translation>最後の操作の結果と、次にすること</translation>
    </message>
    <message>
        <source>%1  ·  %2</source>
        <translation>%1  ·  %2</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 に失敗しました: %2</translation>
    </message>
    <message>
        <source>%1 failed unexpectedly.</source>
        <translation>%1 が予期せず失敗しました。</translation>
    </message>
</context>
<context>
    <name>SyncedTag</name>
    <message>
        <source>%1 is %2, not a song.</source>
        <translation>%1 は %2 で、曲ではありません。</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>%1 を開けません。</translation>
    </message>
    <message>
        <source>%1 is not an MP3 file.</source>
        <translation>%1 は MP3 ファイルではありません。</translation>
    </message>
    <message>
        <source>Wrote 1 timed line and words into the tag of %1 (SYLT).</source>
        <translation>時刻付きの 1 行と単語を %1 のタグに書き込みました (SYLT)。</translation>
    </message>
    <message>
        <source>Wrote 1 timed line into the tag of %1 (SYLT).</source>
        <translation>時刻付きの 1 行を %1 のタグに書き込みました (SYLT)。</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n timed lines and words into the tag of %1 (SYLT).</source>
        <translation>
            <numerusform>時刻付きの %n 行と単語を %1 のタグに書き込みました (SYLT)。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n timed lines into the tag of %1 (SYLT).</source>
        <translation>
            <numerusform>時刻付きの %n 行を %1 のタグに書き込みました (SYLT)。</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot save the synchronized lyrics into %1: its format has no SYLT frame.</source>
        <translation>同期歌詞を %1 に保存できません: その形式には SYLT フレームがありません。</translation>
    </message>
    <message>
        <source>the lines would not read back as written</source>
        <translation>行が書いたとおりに読み戻せませんでした</translation>
    </message>
    <message>
        <source>the synchronized lyrics</source>
        <translation>同期歌詞</translation>
    </message>
</context>
<context>
    <name>TagComponent</name>
    <message>
        <source>Timed lyrics cannot be written into the tag of %1 here.</source>
        <translation>ここでは時刻付きの歌詞を %1 のタグに書き込めません。</translation>
    </message>
</context>
<context>
    <name>TagLibComponent</name>
    <message>
        <source>The tag frame &quot;%1&quot; is not supported.</source>
        <translation>タグのフレーム &quot;%1&quot; には対応していません。</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: it is a folder, not a song.</source>
        <translation>%1 のタグを読めません: フォルダーで、曲ではありません。</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: it is %2, not a song.</source>
        <translation>%1 のタグを読めません: %2 で、曲ではありません。</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: there is no such file.</source>
        <translation>%1 のタグを読めません: そのファイルはありません。</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1</source>
        <translation>タグを読めません: %1</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: the file cannot be opened.</source>
        <translation>%1 のタグを読めません: ファイルを開けません。</translation>
    </message>
    <message>
        <source>The lyrics hold a character a tag cannot hold (U+%1); remove it and save again.</source>
        <translation>歌詞にタグが保持できない文字があります (U+%1)。その文字を消して、もう一度保存してください。</translation>
    </message>
    <message>
        <source>the lyrics</source>
        <translation>歌詞</translation>
    </message>
</context>
<context>
    <name>TagSave</name>
    <message>
        <source>%1, so the song was left as it was.</source>
        <translation>%1。そのため曲は元のままです。</translation>
    </message>
    <message>
        <source>cannot write a temporary copy in its folder: %1</source>
        <translation>そのフォルダーに一時コピーを書き込めません: %1</translation>
    </message>
    <message>
        <source>Cannot save %1 into %2: %3</source>
        <translation>%1 を %2 に保存できません: %3</translation>
    </message>
    <message>
        <source>its ID3v2 tag is damaged or of an unknown version.</source>
        <translation>ID3v2 タグが壊れているか、未知のバージョンです。</translation>
    </message>
    <message>
        <source>it is not an MP3 file.</source>
        <translation>MP3 ファイルではありません。</translation>
    </message>
    <message>
        <source>its ID3v2 tag does not start the file, so the song was left as it was.</source>
        <translation>ID3v2 タグがファイルの先頭にないため、曲は元のままです。</translation>
    </message>
    <message>
        <source>its folder takes no temporary file</source>
        <translation>そのフォルダーには一時ファイルを作れません</translation>
    </message>
    <message>
        <source>the disk is full, so the song was left as it was.</source>
        <translation>ディスクがいっぱいのため、曲は元のままです。</translation>
    </message>
    <message>
        <source>the audio would have changed, so the song was left as it was.</source>
        <translation>音声が変わってしまうため、曲は元のままです。</translation>
    </message>
    <message>
        <source>its tag holds frames that could not be kept as they are (%1), so the song was left as it was.</source>
        <translation>タグに、そのまま残せないフレームがある (%1) ため、曲は元のままです。</translation>
    </message>
    <message>
        <source>the lyrics would not read back as written</source>
        <translation>歌詞が書いたとおりに読み戻せませんでした</translation>
    </message>
    <message>
        <source>a new file could not be given its owner</source>
        <translation>新しいファイルに元の所有者を設定できませんでした</translation>
    </message>
    <message>
        <source>%1 were saved into %2 in place: %3, so the save was not atomic.</source>
        <translation>%1 を %2 にその場で保存しました: %3。そのため保存は不可分ではありませんでした。</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1, and the song could not be put back as it was.</source>
        <translation>%1。さらに、曲を元に戻せませんでした。</translation>
    </message>
    <message>
        <source>the song did not read back as written</source>
        <translation>曲が書いたとおりに読み戻せませんでした</translation>
    </message>
    <message>
        <source>%1, so the old contents were put back.</source>
        <translation>%1。そのため元の内容に戻しました。</translation>
    </message>
    <message>
        <source>%1, and the old contents could not be put back.</source>
        <translation>%1。さらに、元の内容を戻せませんでした。</translation>
    </message>
    <message>
        <source>%1, so it was left as it was.</source>
        <translation>%1。そのため元のままです。</translation>
    </message>
    <message>
        <source>cannot write a temporary copy in its folder (%1), so the song was left as it was.</source>
        <translation>そのフォルダーに一時コピーを書き込めない (%1) ため、曲は元のままです。</translation>
    </message>
    <message>
        <source>cannot copy the song: %1, so it was left as it was.</source>
        <translation>曲をコピーできません: %1。そのため元のままです。</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>途中で切れています</translation>
    </message>
    <message>
        <source>it belongs to another user, and the new copy cannot be made theirs, so the song was left as it was.</source>
        <translation>別のユーザーのもので、新しいコピーをそのユーザーのものにできないため、曲は元のままです。</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is a folder, not a text file.</source>
        <translation>%1 はフォルダーで、テキストファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is too large for lyrics (%2 MB; the limit is %3 MB).</source>
        <translation>%1 は歌詞としては大きすぎます (%2 MB。上限は %3 MB)。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読めません: %2</translation>
    </message>
    <message>
        <source>%1 is too large for lyrics.</source>
        <translation>%1 は歌詞としては大きすぎます。</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 はテキストファイルではありません。</translation>
    </message>
</context>
<context>
    <name>TextPanel</name>
    <message>
        <source>Paste From Clipboard</source>
        <translation>クリップボードから貼り付け</translation>
    </message>
    <message>
        <source>Get Lyrics From Text File</source>
        <translation>テキストファイルから歌詞を取得</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>the lyrics</source>
        <translation>歌詞</translation>
    </message>
    <message>
        <source> Ctrl+Return puts the lines on the sheet without the tag; Save there writes %1.</source>
        <translation> Ctrl+Return でタグを使わずに行をシートに置けます。その後の保存で %1 に書き込みます。</translation>
    </message>
    <message>
        <source>Nothing to put on the sheet: the lyrics text is empty.</source>
        <translation>シートに置くものがありません: 歌詞のテキストが空です。</translation>
    </message>
</context>
<context>
    <name>TimingFlag</name>
    <message>
        <source>marked %1 s later than the voice suggests</source>
        <translation>声から見て %1 s 遅くマークされています</translation>
    </message>
    <message>
        <source>marked %1 s earlier than the voice suggests</source>
        <translation>声から見て %1 s 早くマークされています</translation>
    </message>
    <message>
        <source>marked where no voice is heard</source>
        <translation>声が聞こえない所にマークされています</translation>
    </message>
    <message>
        <source>; </source>
        <translation>。</translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Mark Line</source>
        <translation>行をマーク</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>再生し直す</translation>
    </message>
    <message>
        <source>Replay: line %1 has no time yet; mark it first.</source>
        <translation>再生し直す: %1 行目にはまだ時刻がありません。先にマークしてください。</translation>
    </message>
    <message>
        <source>Replaying line %1: Mark Line marks it again.</source>
        <translation>%1 行目を再生し直しています。「行をマーク」でマークし直します。</translation>
    </message>
    <message>
        <source>Stop the song (with the lyric sheet shown) to measure the reaction delay.</source>
        <translation>反応の遅れを測るには、歌詞シートを表示したまま曲を停止してください。</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>No unsaved changes to these lyrics were kept.</source>
        <translation>この歌詞の保存されなかった変更は残っていません。</translation>
    </message>
</context>
<context>
    <name>WindowHelp</name>
    <message>
        <source>Open a song (Ctrl+O) or drop one here</source>
        <translation>曲を開く (Ctrl+O) か、ここにドロップしてください</translation>
    </message>
    <message>
        <source>No lines. Ctrl+L adds one; Ctrl+O opens another song.</source>
        <translation>行がありません。Ctrl+L で行を追加、Ctrl+O で別の曲を開きます。</translation>
    </message>
    <message>
        <source>The song: a click or a drag plays from there. A thin tick is a marked line, a hollow tick at the foot a suggested time (Ctrl+G accepts the selected line&apos;s, Ctrl+Shift+G every confident one).</source>
        <translation>曲全体: クリックやドラッグでその位置から再生します。細い線はマーク済みの行、下端の中空の線は提案された時刻です (Ctrl+G で選択行の時刻を、Ctrl+Shift+G で確実なものをすべて採用)。</translation>
    </message>
    <message>
        <source>Mark when each lyric line is sung: Play, then Space at each line.</source>
        <translation>歌詞の各行が歌われる時刻をマークします: 再生して、行ごとにスペースを押します。</translation>
    </message>
    <message>
        <source>Open a song</source>
        <translation>曲を開く</translation>
    </message>
    <message>
        <source>Song file</source>
        <translation>曲のファイル</translation>
    </message>
    <message>
        <source>The song that is open</source>
        <translation>開いている曲</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>The open song&apos;s folder and file name</source>
        <translation>開いている曲のフォルダーとファイル名</translation>
    </message>
    <message>
        <source>Song folder</source>
        <translation>曲のフォルダー</translation>
    </message>
    <message>
        <source>Song file name</source>
        <translation>曲のファイル名</translation>
    </message>
    <message>
        <source>Lyric sheet</source>
        <translation>歌詞シート</translation>
    </message>
    <message>
        <source>The lines with their times, the player and the editing buttons</source>
        <translation>行と時刻、プレーヤー、編集ボタン</translation>
    </message>
    <message>
        <source>Lyric lines</source>
        <translation>歌詞の行</translation>
    </message>
    <message>
        <source>Each line&apos;s number, lyric and time. A suggested time is read as suggested; Ctrl+G accepts it. The Menu key lists what can be done with the selected line. Empty until a song is opened (Ctrl+O).</source>
        <translation>各行の番号、歌詞、時刻。提案された時刻は「提案」と読み上げます。Ctrl+G で採用します。メニュー キーで選択行に対してできる操作を表示します。曲を開くまでは空です (Ctrl+O)。</translation>
    </message>
    <message>
        <source>Words of the selected line</source>
        <translation>選択行の単語</translation>
    </message>
    <message>
        <source>Song position</source>
        <translation>曲の再生位置</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Every key of the window; any key or click closes it</source>
        <translation>ウィンドウのすべてのキー。キーかクリックで閉じます</translation>
    </message>
    <message>
        <source>Song time</source>
        <translation>曲の時間</translation>
    </message>
    <message>
        <source>Where the song is, of how long</source>
        <translation>曲の現在位置と全体の長さ</translation>
    </message>
    <message>
        <source>Seconds to adjust the selected line by</source>
        <translation>選択行を調整する秒数</translation>
    </message>
    <message>
        <source>Fractions and negative numbers are allowed; &quot;.&quot; is the decimal point</source>
        <translation>小数と負の数を使えます。小数点は「.」です</translation>
    </message>
    <message>
        <source>Seconds to adjust all lines by</source>
        <translation>全行を調整する秒数</translation>
    </message>
    <message>
        <source>selected line</source>
        <translation>選択行</translation>
    </message>
    <message>
        <source>all lines</source>
        <translation>全行</translation>
    </message>
    <message>
        <source>Step the seconds for %1</source>
        <translation>%1の秒数を増減</translation>
    </message>
    <message>
        <source>1 second up or down</source>
        <translation>1 秒ずつ上下</translation>
    </message>
    <message>
        <source>One more second for %1</source>
        <translation>%1に 1 秒足す</translation>
    </message>
    <message>
        <source>One less second for %1</source>
        <translation>%1から 1 秒引く</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>区切り線</translation>
    </message>
    <message>
        <source>Lyrics text</source>
        <translation>歌詞テキスト</translation>
    </message>
    <message>
        <source>Type, paste or load the lyrics; Save writes them into the song&apos;s tag and turns them into lines. Escape goes back without saving.</source>
        <translation>歌詞を入力、貼り付け、または読み込みます。「保存」で曲のタグに書き込み、行に分けます。Escape で保存せずに戻ります。</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>歌詞</translation>
    </message>
    <message>
        <source>Accept the suggested time</source>
        <translation>提案された時刻を採用</translation>
    </message>
    <message>
        <source>Accept every confident suggested time</source>
        <translation>確実な提案をすべて採用</translation>
    </message>
    <message>
        <source>Replay the line to mark it again</source>
        <translation>行を再生し直してマークし直す</translation>
    </message>
    <message>
        <source>0.1 s earlier</source>
        <translation>0.1 s 早く</translation>
    </message>
    <message>
        <source>0.1 s later</source>
        <translation>0.1 s 遅く</translation>
    </message>
    <message>
        <source>1 second earlier</source>
        <translation>1 秒早く</translation>
    </message>
    <message>
        <source>1 second later</source>
        <translation>1 秒遅く</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Every key</source>
        <translation>すべてのキー</translation>
    </message>
    <message>
        <source>Word marking on or off</source>
        <translation>単語マークのオン／オフ</translation>
    </message>
    <message>
        <source>The selected word 0.1 s earlier</source>
        <translation>選択した単語を 0.1 s 早く</translation>
    </message>
    <message>
        <source>The selected word 0.1 s later</source>
        <translation>選択した単語を 0.1 s 遅く</translation>
    </message>
    <message>
        <source>The selected word 0.01 s earlier</source>
        <translation>選択した単語を 0.01 s 早く</translation>
    </message>
    <message>
        <source>The selected word 0.01 s later</source>
        <translation>選択した単語を 0.01 s 遅く</translation>
    </message>
    <message>
        <source>Keep precise times on or off</source>
        <translation>精密な時刻の保持をオン／オフ</translation>
    </message>
    <message>
        <source>Each word with its time. Alt+Left and Alt+Right move the selected word by 0.1 s; Ctrl+W turns word marking on and off; Ctrl+Shift+R loops the word; Ctrl+Shift+H splits it at the pointer.</source>
        <translation>各単語とその時刻。Alt+Left と Alt+Right で選択した単語を 0.1 s 動かします。Ctrl+W で単語マークをオン／オフ、Ctrl+Shift+R で単語をループ、Ctrl+Shift+H でポインターの位置で分割します。</translation>
    </message>
    <message>
        <source>Accept the suggested word times</source>
        <translation>提案された単語の時刻を採用</translation>
    </message>
    <message>
        <source>Loop the selected word or line on or off</source>
        <translation>選択した単語または行のループをオン／オフ</translation>
    </message>
    <message>
        <source>Split the word into syllables here</source>
        <translation>ここで単語を音節に分割</translation>
    </message>
    <message>
        <source>Split the selected word into its syllables</source>
        <translation>選択した単語を音節に分割</translation>
    </message>
    <message>
        <source>The open song&apos;s folder</source>
        <translation>開いている曲のフォルダー</translation>
    </message>
    <message>
        <source>The open song&apos;s file name</source>
        <translation>開いている曲のファイル名</translation>
    </message>
    <message>
        <source>Adds 1 second to the seconds box beside it</source>
        <translation>隣の秒数ボックスに 1 秒足します</translation>
    </message>
    <message>
        <source>Takes 1 second off the seconds box beside it</source>
        <translation>隣の秒数ボックスから 1 秒引きます</translation>
    </message>
    <message>
        <source>Scroll bar of %1</source>
        <translation>%1 のスクロールバー</translation>
    </message>
    <message>
        <source>Moves the view up and down</source>
        <translation>表示を上下に動かします</translation>
    </message>
    <message>
        <source>Moves the view left and right</source>
        <translation>表示を左右に動かします</translation>
    </message>
</context>
<context>
    <name>WindowKeys</name>
    <message>
        <source>Space, Enter</source>
        <translation>スペース, Enter</translation>
    </message>
    <message>
        <source>the focused button; after Play, Mark Line</source>
        <translation>フォーカスのあるボタン。再生後は「行をマーク」</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>再生／一時停止</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Ctrl+Left, Ctrl+Right</source>
        <translation>Ctrl+Left, Ctrl+Right</translation>
    </message>
    <message>
        <source>3 seconds back, forward</source>
        <translation>3 秒戻る、進む</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>replay the selected line from 2 s before it and mark it again</source>
        <translation>選択行を 2 s 前から再生し直してマークし直す</translation>
    </message>
    <message>
        <source>Ctrl+Down, Ctrl+Up</source>
        <translation>Ctrl+Down, Ctrl+Up</translation>
    </message>
    <message>
        <source>play slower, faster (0.5× to 1.5×, the pitch stays)</source>
        <translation>遅く、速く再生 (0.5×～1.5×、音の高さはそのまま)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>通常の速度</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Up, Ctrl+Shift+Down</source>
        <translation>Ctrl+Shift+Up, Ctrl+Shift+Down</translation>
    </message>
    <message>
        <source>reaction delay 50 ms longer, shorter</source>
        <translation>反応の遅れを 50 ms 長く、短く</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>measure the reaction delay: Mark Line at each click</source>
        <translation>反応の遅れを測る: クリック音ごとに「行をマーク」</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Left, Ctrl+Shift+Right</source>
        <translation>Ctrl+Shift+Left, Ctrl+Shift+Right</translation>
    </message>
    <message>
        <source>selected lines 1 second earlier, later</source>
        <translation>選択行を 1 秒早く、遅く</translation>
    </message>
    <message>
        <source>Alt+Left, Alt+Right</source>
        <translation>Alt+Left, Alt+Right</translation>
    </message>
    <message>
        <source>lines selected (or the strip&apos;s word) 0.1 s earlier, later; replay</source>
        <translation>選択行 (または単語帯の単語) を 0.1 s 早く、遅く。再生し直す</translation>
    </message>
    <message>
        <source>Alt+Shift+Left, Alt+Shift+Right</source>
        <translation>Alt+Shift+Left, Alt+Shift+Right</translation>
    </message>
    <message>
        <source>the same by 0.01 s</source>
        <translation>同じく 0.01 s ずつ</translation>
    </message>
    <message>
        <source>Shift+Up, Shift+Down, Shift/Ctrl+click</source>
        <translation>Shift+Up, Shift+Down, Shift/Ctrl+クリック</translation>
    </message>
    <message>
        <source>select several lines for Adjust Selected Line and the nudges</source>
        <translation>複数の行を選んで「選択行を調整」や微調整の対象にする</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>word marking on / off: Mark Line stamps the line&apos;s next word</source>
        <translation>単語マークのオン／オフ: 「行をマーク」で行の次の単語に時刻を付ける</translation>
    </message>
    <message>
        <source>Ctrl+Shift+K</source>
        <translation>Ctrl+Shift+K</translation>
    </message>
    <message>
        <source>keep precise times on / off: Save also writes Song.lrc</source>
        <translation>精密な時刻の保持オン／オフ: 「保存」で Song.lrc も書き込む</translation>
    </message>
    <message>
        <source>Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>undo; redo</source>
        <translation>元に戻す、やり直す</translation>
    </message>
    <message>
        <source>Insert, Delete, Ctrl+L</source>
        <translation>Insert, Delete, Ctrl+L</translation>
    </message>
    <message>
        <source>Insert Line, Remove Line, Add Line To End</source>
        <translation>行を挿入、行を削除、末尾に行を追加</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>選択行の歌詞を編集</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>accept the selected line&apos;s suggested time</source>
        <translation>選択行の提案された時刻を採用</translation>
    </message>
    <message>
        <source>Ctrl+Shift+G</source>
        <translation>Ctrl+Shift+G</translation>
    </message>
    <message>
        <source>Up, Down</source>
        <translation>Up, Down</translation>
    </message>
    <message>
        <source>previous, next line (in the list, or on a button)</source>
        <translation>前の行、次の行 (一覧またはボタンで)</translation>
    </message>
    <message>
        <source>Ctrl+O, Ctrl+S</source>
        <translation>Ctrl+O, Ctrl+S</translation>
    </message>
    <message>
        <source>open a song, Save</source>
        <translation>曲を開く、保存</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>write Song.lrc beside the song</source>
        <translation>曲の隣に Song.lrc を書き出す</translation>
    </message>
    <message>
        <source>Ctrl+Shift+E</source>
        <translation>Ctrl+Shift+E</translation>
    </message>
    <message>
        <source>write the marked lines into the song&apos;s tag (SYLT)</source>
        <translation>マーク済みの行を曲のタグに書き込む (SYLT)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T</source>
        <translation>Ctrl+Shift+T</translation>
    </message>
    <message>
        <source>write subtitles for a video: Song.srt, Song.vtt and Song.ass</source>
        <translation>動画用の字幕を書き出す: Song.srt、Song.vtt、Song.ass</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>read the Song.lrc beside the song</source>
        <translation>曲の隣の Song.lrc を読み込む</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>in the text panel: back to the sheet, the text kept, nothing saved</source>
        <translation>テキスト画面で: シートに戻る (テキストは残り、何も保存しない)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this list, until the next key or click</source>
        <translation>この一覧 (次のキーかクリックまで)</translation>
    </message>
    <message>
        <source>%1 is not available now.</source>
        <translation>今は「%1」を使えません。</translation>
    </message>
    <message>
        <source>Adjust Selected Line is not available now.</source>
        <translation>今は「選択行を調整」を使えません。</translation>
    </message>
    <message>
        <source>Space or Enter when it has the focus (Tab moves it)</source>
        <translation>フォーカスがあるときにスペースか Enter (Tab でフォーカス移動)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Ctrl+P plays and pauses</source>
        <translation>Ctrl+P で再生と一時停止</translation>
    </message>
    <message>
        <source>Space: Play puts the focus here. Ctrl+R replays the selected line to mark it again; Ctrl+T measures your reaction delay</source>
        <translation>スペース: 再生するとここにフォーカスが移ります。Ctrl+R で選択行を再生し直してマークし直し、Ctrl+T で反応の遅れを測ります</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete (Ctrl+Z brings the line back)</source>
        <translation>Delete (Ctrl+Z で行を戻します)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>F2, or a double click on the line</source>
        <translation>F2、または行をダブルクリック</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Right, Ctrl+Shift+Left move the line 1 second later, earlier</source>
        <translation>Ctrl+Shift+Right、Ctrl+Shift+Left で行を 1 秒遅く、早く</translation>
    </message>
    <message>
        <source>Up in the list</source>
        <translation>一覧で Up</translation>
    </message>
    <message>
        <source>Down in the list</source>
        <translation>一覧で Down</translation>
    </message>
    <message>
        <source>Ctrl+O, or drop a song on the window</source>
        <translation>Ctrl+O、または曲をウィンドウにドロップ</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Space or Enter when it has the focus, or drop a text file on the panel</source>
        <translation>フォーカスがあるときにスペースか Enter、またはテキストファイルをこの画面にドロップ</translation>
    </message>
    <message>
        <source>%1 F1 lists every key.</source>
        <translation>%1 F1 ですべてのキーを表示します。</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>loop the selected line (or the strip&apos;s word) until pressed again</source>
        <translation>選択行 (または単語帯の単語) をもう一度押すまでループ再生</translation>
    </message>
    <message>
        <source>drag in the word strip</source>
        <translation>単語帯でドラッグ</translation>
    </message>
    <message>
        <source>move a word&apos;s start (onto the voice&apos;s onset; Shift: freely)</source>
        <translation>単語の開始位置を動かす (声の立ち上がりに合わせる。Shift: 自由に)</translation>
    </message>
    <message>
        <source>Ctrl+wheel in the word strip</source>
        <translation>単語帯で Ctrl+ホイール</translation>
    </message>
    <message>
        <source>zoom around the pointer; the wheel then scrolls</source>
        <translation>ポインターを中心にズーム。その後ホイールでスクロール</translation>
    </message>
    <message>
        <source>Ctrl+Shift+H</source>
        <translation>Ctrl+Shift+H</translation>
    </message>
    <message>
        <source>split the strip&apos;s word into syllables at the pointer</source>
        <translation>単語帯の単語をポインターの位置で音節に分割</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>split the strip&apos;s selected word into all its syllables</source>
        <translation>単語帯で選択した単語をすべての音節に分割</translation>
    </message>
    <message>
        <source>accept every confident suggested time (word marking on: and word time)</source>
        <translation>確実な提案をすべて採用 (単語マークがオンなら単語の時刻も)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>accept the selected line&apos;s suggested word times (hollow ticks)</source>
        <translation>選択行の提案された単語の時刻を採用 (中空の目盛り)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>bring back the changes left unsaved when the song was closed</source>
        <translation>曲を閉じたときに保存されなかった変更を戻す</translation>
    </message>
    <message>
        <source>Save is not available while the song plays: Pause or Stop first.</source>
        <translation>曲の再生中は保存できません。先に一時停止か停止をしてください。</translation>
    </message>
    <message>
        <source>Nothing to save: the sheet is as it was opened or last saved. Ctrl+E writes Song.lrc with its precise times now.</source>
        <translation>保存するものはありません。シートは開いたとき、または最後に保存したときのままです。Ctrl+E で今すぐ正確な時刻つきの Song.lrc を書き出せます。</translation>
    </message>
    <message>
        <source>Nothing to save: the sheet is as it was opened or last saved.</source>
        <translation>保存するものはありません。シートは開いたとき、または最後に保存したときのままです。</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>in the text panel: the lines to the sheet, the tag left as it is</source>
        <translation>テキストパネルで: 行をシートへ、タグはそのまま</translation>
    </message>
    <message>
        <source>Ctrl+S; Ctrl+Return puts the lines on the sheet and leaves the song&apos;s tag as it is</source>
        <translation>Ctrl+S。Ctrl+Return は行をシートに置き、曲のタグはそのままにします</translation>
    </message>
    <message>
        <source>Nothing to save: the lyrics text is empty.</source>
        <translation>保存するものがありません: 歌詞のテキストが空です。</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Open a song</source>
        <translation>曲を開く</translation>
    </message>
    <message>
        <source>By</source>
        <translation>移動量</translation>
    </message>
    <message>
        <source>Secs.</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Window contents</source>
        <translation>ウィンドウの内容</translation>
    </message>
    <message>
        <source>All of the window&apos;s controls</source>
        <translation>ウィンドウのすべてのコントロール</translation>
    </message>
    <message>
        <source>The screen is too small for the whole window: its controls scroll</source>
        <translation>画面がウィンドウ全体には小さすぎるため、コントロールはスクロールします</translation>
    </message>
    <message>
        <source>Scroll bar</source>
        <translation>スクロールバー</translation>
    </message>
</context>
<context>
    <name>WordEdits</name>
    <message>
        <source>&quot;%1&quot; stayed at its time.</source>
        <translation>「%1」の時刻はそのままです。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; now starts at %2%3; Ctrl+Z puts it back.</source>
        <translation>「%1」は %2 に始まるようになりました%3。Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source>, and line %1 with it</source>
        <translation> (%1 行目も一緒に)</translation>
    </message>
    <message>
        <source>Point inside a timed word in the strip to split it there.</source>
        <translation>単語帯で時刻のある単語の中をポイントすると、そこで分割します。</translation>
    </message>
    <message>
        <source>Point further inside &quot;%1&quot; to split it.</source>
        <translation>分割するには「%1」のもっと内側をポイントしてください。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too short to split.</source>
        <translation>「%1」は短すぎて分割できません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be split there.</source>
        <translation>「%1」をそこで分割できませんでした。</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into &quot;%2-%3&quot;%4 at %5; Ctrl+Z joins it again.</source>
        <translation>「%1」を %5 で「%2-%3」に分割しました%4。Ctrl+Z で元に戻せます。</translation>
    </message>
    <message>
        <source> (one syllable: split at the pointer)</source>
        <translation> (1 音節のためポインターの位置で分割)</translation>
    </message>
    <message>
        <source>That word has one syllable, or no time yet.</source>
        <translation>その単語は 1 音節か、まだ時刻がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is sung too briefly to split into syllables.</source>
        <translation>「%1」は歌われる時間が短すぎて音節に分割できません。</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into %2; drag each syllable to its start.</source>
        <translation>「%1」を %2 に分割しました。各音節を開始位置までドラッグしてください。</translation>
    </message>
    <message>
        <source>That word has no time yet: mark it with word marking on (Ctrl+W), or take the line&apos;s suggested word times (Ctrl+Shift+W).</source>
        <translation>その単語にはまだ時刻がありません。単語マーク (Ctrl+W) をオンにしてマークするか、行の提案された単語時刻を採用してください (Ctrl+Shift+W)。</translation>
    </message>
    <message>
        <source>Time the line&apos;s words first, then split one: mark them with word marking on (Ctrl+W), or take their suggested times (Ctrl+Shift+W).</source>
        <translation>先に行の単語に時刻を付けてから分割してください。単語マーク (Ctrl+W) をオンにしてマークするか、提案された時刻を採用します (Ctrl+Shift+W)。</translation>
    </message>
</context>
<context>
    <name>WordStrip</name>
    <message>
        <source>%1, not marked yet</source>
        <translation>%1、未マーク</translation>
    </message>
    <message>
        <source>The selected line&apos;s words at their times. A click selects the word and plays from there; drag a word to move its start (Shift: not onto the voice&apos;s onsets); Ctrl+wheel zooms. Alt+Left, Alt+Right nudge the selected word.</source>
        <translation>選択行の単語をその時刻に表示します。クリックで単語を選択してそこから再生、単語をドラッグで開始位置を移動 (Shift: 声の立ち上がりに合わせない)、Ctrl+ホイールでズーム。Alt+Left、Alt+Right で選択した単語を動かします。</translation>
    </message>
    <message>
        <source>Hollow tick: “%1” suggested at %2, not saved until accepted. %3</source>
        <translation>中空の目盛り: 「%1」は %2 に提案されています。採用するまで保存されません。%3</translation>
    </message>
    <message>
        <source>%1, suggested %2</source>
        <translation>%1、提案 %2</translation>
    </message>
</context>
<context>
    <name>WordTiming</name>
    <message>
        <source>Nudges move lines of the lyric sheet: show it first.</source>
        <translation>微調整は歌詞シートの行を動かします。先にシートを表示してください。</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W accepts the line&apos;s suggested word times; a word you mark stays and the rest follow it.</source>
        <translation>Ctrl+Shift+W で行の提案された単語の時刻を採用します。自分でマークした単語はそのままで、残りはそれに従います。</translation>
    </message>
    <message>
        <source>Loop ended; the song plays on.</source>
        <translation>ループを終了しました。曲はそのまま再生されます。</translation>
    </message>
    <message>
        <source>Select a marked line to loop it.</source>
        <translation>ループするには、マーク済みの行を選択してください。</translation>
    </message>
    <message>
        <source>That word has no time to loop yet.</source>
        <translation>その単語にはまだループする時刻がありません。</translation>
    </message>
    <message>
        <source>Line %1 has no time to loop yet.</source>
        <translation>%1 行目にはまだループする時刻がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>「%1」</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>Looping %1 (%2 to %3): drag or nudge while it plays; Ctrl+Shift+R ends the loop.</source>
        <translation>%1 をループ中 (%2 から %3): 再生中にドラッグや微調整ができます。Ctrl+Shift+R でループを終了します。</translation>
    </message>
    <message>
        <source>Loop ended: what it played has no time any more.</source>
        <translation>ループを終了しました: 再生していた部分の時刻がなくなりました。</translation>
    </message>
    <message>
        <source>Split a word in the word strip: select a line whose words are timed (Ctrl+W marks them).</source>
        <translation>単語帯で単語を分割: 単語に時刻のある行を選択してください (Ctrl+W でマーク)。</translation>
    </message>
    <message>
        <source>Point in the word strip where the syllable starts, then press Ctrl+Shift+H.</source>
        <translation>単語帯で音節の始まる位置をポイントしてから Ctrl+Shift+H を押してください。</translation>
    </message>
    <message>
        <source>Select a word in the word strip to split it into its syllables.</source>
        <translation>音節に分割するには、単語帯で単語を選択してください。</translation>
    </message>
</context>
<context>
    <name>frmSychLyrics</name>
    <message>
        <source> No Lyrics Found For  -  %1</source>
        <translation> 歌詞が見つかりません  -  %1</translation>
    </message>
    <message>
        <source>Load Lyrics From Text</source>
        <translation>テキストから歌詞を読み込む</translation>
    </message>
    <message>
        <source>Pause or stop the song before reading %1 into the sheet.</source>
        <translation>%1 をシートに読み込む前に、曲を一時停止するか停止してください。</translation>
    </message>
    <message>
        <source>the timed lyrics</source>
        <translation>時刻付きの歌詞</translation>
    </message>
    <message>
        <source>%1 is not a song. Drop a song on the window, or a text file of lyrics on the lyrics text panel.</source>
        <translation>%1 は曲ではありません。曲はウィンドウに、歌詞のテキストファイルは歌詞テキスト画面にドロップしてください。</translation>
    </message>
    <message>
        <source>The unsaved changes to the lyrics of %1 are kept: open it again and press Ctrl+Shift+O to bring them back.</source>
        <translation>%1 の歌詞の保存されていない変更を残しました。もう一度開いて Ctrl+Shift+O を押すと戻せます。</translation>
    </message>
    <message>
        <source>The unsaved changes to the lyrics of %1 could not be kept: %2</source>
        <translation>%1 の歌詞の保存されていない変更を残せませんでした: %2</translation>
    </message>
    <message>
        <source>Changes to these lyrics were left unsaved on %1: Ctrl+Shift+O brings them back.</source>
        <translation>この歌詞には %1 に保存されなかった変更があります。Ctrl+Shift+O で戻せます。</translation>
    </message>
    <message>
        <source>Pause or stop the song before bringing back its unsaved changes.</source>
        <translation>保存されなかった変更を戻す前に、曲を一時停止または停止してください。</translation>
    </message>
    <message>
        <source>Open a song before putting its lyrics on the sheet.</source>
        <translation>歌詞をシートに置く前に曲を開いてください。</translation>
    </message>
    <message>
        <source>The lyrics are on the sheet; the song&apos;s tag is as it was. Save writes them to %1.</source>
        <translation>歌詞をシートに置きました。曲のタグは変更していません。保存で %1 に書き込みます。</translation>
    </message>
</context>
</TS>
