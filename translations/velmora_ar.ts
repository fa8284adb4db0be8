<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AdjustControls</name>
    <message>
        <source>%1: %2, so it was left unchanged.</source>
        <translation>%1: %2، لذا تُرك دون تغيير.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n lines were left unchanged; %2.</source>
        <translation>
            <numerusform>%1: لم يُغيَّر أي سطر؛ %2.</numerusform>
            <numerusform>%1: تُرك سطر واحد دون تغيير؛ %2.</numerusform>
            <numerusform>%1: تُرك سطران دون تغيير؛ %2.</numerusform>
            <numerusform>%1: تُركت %n أسطر دون تغيير؛ %2.</numerusform>
            <numerusform>%1: تُرك %n سطرًا دون تغيير؛ %2.</numerusform>
            <numerusform>%1: تُرك %n سطر دون تغيير؛ %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Adjust Selected Line</source>
        <translation>ضبط السطر المحدد</translation>
    </message>
    <message>
        <source>Adjust All Lines</source>
        <translation>ضبط كل الأسطر</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n selected lines adjusted.</source>
        <translation>
            <numerusform>%1: لم يُضبط أي سطر.</numerusform>
            <numerusform>%1: ضُبط سطر محدد واحد.</numerusform>
            <numerusform>%1: ضُبط سطران محددان.</numerusform>
            <numerusform>%1: ضُبطت %n أسطر محددة.</numerusform>
            <numerusform>%1: ضُبط %n سطرًا محددًا.</numerusform>
            <numerusform>%1: ضُبط %n سطر محدد.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: line %2 has no time to move.</source>
        <translation>%1: ليس للسطر %2 وقت يمكن تحريكه.</translation>
    </message>
    <message>
        <source>%1: the amount is too large to step.</source>
        <translation>%1: المقدار أكبر من أن يُزاد أو يُنقص.</translation>
    </message>
    <message>
        <source>%1: the spinner stops at %2 seconds; type a larger amount.</source>
        <translation>%1: تتوقف الأسهم عند %2 ثانية؛ اكتب مقدارًا أكبر.</translation>
    </message>
    <message>
        <source>%1: type the seconds to move by in the box beside it.</source>
        <translation>%1: اكتب عدد الثواني المراد الإزاحة بها في الخانة المجاورة.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of seconds, so nothing was moved.</source>
        <translation>%1: «%2» ليس عددًا من الثواني، لذا لم يُنقل شيء.</translation>
    </message>
</context>
<context>
    <name>AlignAudio</name>
    <message>
        <source>it holds no audio that could be decoded</source>
        <translation>لا يحوي صوتًا يمكن فك ترميزه</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot save the lyrics to %1: %2; the file there before is unchanged</source>
        <translation>تعذّر حفظ الكلمات في %1: %2؛ الملف الذي كان هناك لم يتغير</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>إنه %1، وليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>المجلد %1 غير موجود</translation>
    </message>
    <message>
        <source>it lies on a file system mounted read-only</source>
        <translation>إنه على نظام ملفات مركَّب للقراءة فقط</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>الملف للقراءة فقط</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>المجلد %1 للقراءة فقط</translation>
    </message>
    <message>
        <source>its folder takes no temporary file</source>
        <translation>مجلده لا يقبل ملفًا مؤقتًا</translation>
    </message>
    <message>
        <source>a new file could not be given its owner and group</source>
        <translation>تعذّر منح ملف جديد مالكه ومجموعته</translation>
    </message>
    <message>
        <source>the file could not be written in full</source>
        <translation>تعذّرت كتابة الملف كاملًا</translation>
    </message>
    <message>
        <source>Cannot save the lyrics to %1: %2</source>
        <translation>تعذّر حفظ الكلمات في %1: %2</translation>
    </message>
    <message>
        <source>Saved %1 in place: %2, so the save was not atomic</source>
        <translation>حُفظ %1 في مكانه: %2، لذا لم يكن الحفظ ذرّيًا</translation>
    </message>
    <message>
        <source>Cannot save the lyrics to %1: %2; nothing was written</source>
        <translation>تعذّر حفظ الكلمات في %1: %2؛ لم يُكتب شيء</translation>
    </message>
</context>
<context>
    <name>AudioFormats</name>
    <message>
        <source>the Vorbis comment LYRICS</source>
        <translation>تعليق Vorbis ‏LYRICS</translation>
    </message>
    <message>
        <source>the MP4 lyrics item (©lyr)</source>
        <translation>عنصر كلمات MP4 ‏(©lyr)</translation>
    </message>
    <message>
        <source>the ID3v2 tag (USLT)</source>
        <translation>وسم ID3v2 ‏(USLT)</translation>
    </message>
    <message>
        <source>MP3s (*.mp3);;Audio files (%1)</source>
        <translation>ملفات MP3 ‏(*.mp3);;ملفات صوت (%1)</translation>
    </message>
</context>
<context>
    <name>AudioLayout</name>
    <message>
        <source>its format has no lyrics field here</source>
        <translation>ليس لصيغته حقل كلمات هنا</translation>
    </message>
    <message>
        <source>it is not a FLAC file</source>
        <translation>ليس ملف FLAC</translation>
    </message>
    <message>
        <source>its FLAC metadata is cut short</source>
        <translation>بيانات FLAC الوصفية فيه مبتورة</translation>
    </message>
    <message>
        <source>its stream information is damaged</source>
        <translation>معلومات الدفق فيه تالفة</translation>
    </message>
    <message>
        <source>its Vorbis comments are damaged</source>
        <translation>تعليقات Vorbis فيه تالفة</translation>
    </message>
    <message>
        <source>the lyrics are too long for a FLAC comment block</source>
        <translation>الكلمات أطول مما تتسع له كتلة تعليقات FLAC</translation>
    </message>
    <message>
        <source>it is not an MP4 file</source>
        <translation>ليس ملف MP4</translation>
    </message>
    <message>
        <source>the lyrics are too long for its tag</source>
        <translation>الكلمات أطول مما يتسع له وسمه</translation>
    </message>
    <message>
        <source>it is a fragmented MP4 file, whose audio could not be moved</source>
        <translation>إنه ملف MP4 مجزّأ تعذّر نقل صوته</translation>
    </message>
    <message>
        <source>its chunk offsets are damaged</source>
        <translation>إزاحات المقاطع فيه تالفة</translation>
    </message>
    <message>
        <source>its chunk offsets would not fit</source>
        <translation>إزاحات المقاطع فيه لن تتسع</translation>
    </message>
    <message>
        <source>it is not an Ogg file</source>
        <translation>ليس ملف Ogg</translation>
    </message>
    <message>
        <source>it holds no Vorbis, Opus or FLAC audio</source>
        <translation>لا يحوي صوت Vorbis أو Opus أو FLAC</translation>
    </message>
    <message>
        <source>its Ogg header pages are damaged</source>
        <translation>صفحات ترويسة Ogg فيه تالفة</translation>
    </message>
    <message>
        <source>its header pages hold audio too, which this program does not lay out anew</source>
        <translation>صفحات ترويسته تحوي صوتًا أيضًا، ولا يعيد هذا البرنامج ترتيبه</translation>
    </message>
    <message>
        <source>its Ogg header pages are damaged (a checksum does not match)</source>
        <translation>صفحات ترويسة Ogg فيه تالفة (مجموع تحقق لا يطابق)</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>ليس ملف WAV</translation>
    </message>
    <message>
        <source>its format chunk is damaged</source>
        <translation>مقطع الصيغة فيه تالف</translation>
    </message>
    <message>
        <source>the lyrics are too long for a WAV chunk</source>
        <translation>الكلمات أطول مما يتسع له مقطع WAV</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>create it with: velmora-dbsetup &quot;%1&quot;</source>
        <translation>أنشئها بالأمر: velmora-dbsetup &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 not found; %2</source>
        <translation>لم يُعثر على %1؛ %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not the jukebox database; move it aside and %2</source>
        <translation>%1 مجلد وليس قاعدة بيانات صندوق الموسيقى؛ انقله جانبًا ثم %2</translation>
    </message>
    <message>
        <source>Cannot read the jukebox database %1: allow this program to read and write it</source>
        <translation>تعذّرت قراءة قاعدة بيانات صندوق الموسيقى %1: اسمح لهذا البرنامج بقراءتها والكتابة فيها</translation>
    </message>
    <message>
        <source>%1 is an Access (Jet) database; this program needs the SQLite form of the jukebox database: move the file aside and %2</source>
        <translation>%1 قاعدة بيانات Access ‏(Jet)؛ يحتاج هذا البرنامج إلى صيغة SQLite من قاعدة بيانات صندوق الموسيقى: انقل الملف جانبًا ثم %2</translation>
    </message>
    <message>
        <source>%1 is not a database; move it aside and %2</source>
        <translation>%1 ليس قاعدة بيانات؛ انقله جانبًا ثم %2</translation>
    </message>
    <message>
        <source>The jukebox database %1 has no table %2; add it with: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</source>
        <translation>ليس في قاعدة بيانات صندوق الموسيقى %1 جدول %2؛ أضفه بالأمر: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The jukebox database %1 lacks the column %2 that &quot;%3&quot; needs; the Lyrics table must have LineNumber, FileName, TimeMarker and LyricLine</source>
        <translation>ينقص قاعدة بيانات صندوق الموسيقى %1 العمود %2 الذي يحتاجه &quot;%3&quot;؛ يجب أن يكون في جدول Lyrics الأعمدة LineNumber وFileName وTimeMarker وLyricLine</translation>
    </message>
    <message>
        <source>The jukebox database %1 is locked by another program (the jukebox?); try again in a moment</source>
        <translation>قاعدة بيانات صندوق الموسيقى %1 مقفلة من برنامج آخر (صندوق الموسيقى؟)؛ حاول مجددًا بعد قليل</translation>
    </message>
    <message>
        <source>The jukebox database %1 is read-only; allow writing to it and to its folder</source>
        <translation>قاعدة بيانات صندوق الموسيقى %1 للقراءة فقط؛ اسمح بالكتابة فيها وفي مجلدها</translation>
    </message>
    <message>
        <source>The jukebox database %1 could not be written: the disk is full</source>
        <translation>تعذّرت الكتابة في قاعدة بيانات صندوق الموسيقى %1: القرص ممتلئ</translation>
    </message>
    <message>
        <source>Cannot use the jukebox database %1 (%2); the disk may be full, or this program may not be allowed to read and write it and its folder</source>
        <translation>تعذّر استخدام قاعدة بيانات صندوق الموسيقى %1 (%2)؛ ربما القرص ممتلئ، أو لا يُسمح لهذا البرنامج بقراءتها وقراءة مجلدها والكتابة فيهما</translation>
    </message>
    <message>
        <source>Cannot open the jukebox database %1 (%2); allow this program to read and write it and its folder</source>
        <translation>تعذّر فتح قاعدة بيانات صندوق الموسيقى %1 (%2)؛ اسمح لهذا البرنامج بقراءتها وقراءة مجلدها والكتابة فيهما</translation>
    </message>
    <message>
        <source>The jukebox database %1 refused &quot;%2&quot;: %3</source>
        <translation>رفضت قاعدة بيانات صندوق الموسيقى %1 ‏&quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file (%2); move it aside and %3</source>
        <translation>%1 ليس ملفًا عاديًا (%2)؛ انقله جانبًا ثم %3</translation>
    </message>
    <message>
        <source>The jukebox database %1 has a trigger &quot;%2&quot; on its Lyrics table, which this program will not run; remove it with: sqlite3 &quot;%1&quot; &apos;DROP TRIGGER &quot;%2&quot;&apos;</source>
        <translation>في قاعدة بيانات صندوق الموسيقى %1 مُشغِّل &quot;%2&quot; على جدول Lyrics، ولن يشغّله هذا البرنامج؛ احذفه بالأمر: sqlite3 &quot;%1&quot; &apos;DROP TRIGGER &quot;%2&quot;&apos;</translation>
    </message>
    <message>
        <source>The jukebox database %1 holds Lyrics as a %2, not a plain table; replace it with: sqlite3 &quot;%1&quot; &apos;DROP %3 Lyrics&apos; and then: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</source>
        <translation>في قاعدة بيانات صندوق الموسيقى %1 يأتي Lyrics على هيئة %2 لا جدول عادي؛ استبدله بالأمر: sqlite3 &quot;%1&quot; &apos;DROP %3 Lyrics&apos; ثم: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>virtual table</source>
        <translation>جدول افتراضي</translation>
    </message>
    <message>
        <source>No jukebox database is set yet; Save or Play sets it to the program&apos;s folder</source>
        <translation>لم تُعيَّن قاعدة بيانات صندوق الموسيقى بعد؛ الحفظ أو التشغيل يعيّنها في مجلد البرنامج</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing; install the package libqt6sql6-sqlite</source>
        <translation>مشغّل SQLite الخاص بـ Qt غير موجود؛ ثبّت الحزمة libqt6sql6-sqlite</translation>
    </message>
</context>
<context>
    <name>DatabaseSchema</name>
    <message>
        <source>Cannot create the jukebox database %1: %2</source>
        <translation>تعذّر إنشاء قاعدة بيانات صندوق الموسيقى %1: %2</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is</source>
        <translation>%1 موجود من قبل؛ تُرك كما هو</translation>
    </message>
    <message>
        <source>a file of that name appeared</source>
        <translation>ظهر ملف بهذا الاسم</translation>
    </message>
</context>
<context>
    <name>EspeakPhonemizer</name>
    <message>
        <source>espeak-ng&apos;s American English voice is not installed</source>
        <translation>صوت الإنجليزية الأمريكية في espeak-ng غير مثبَّت</translation>
    </message>
</context>
<context>
    <name>FfmpegDecoder</name>
    <message>
        <source>it holds no audio that could be decoded</source>
        <translation>لا يحوي صوتًا يمكن فك ترميزه</translation>
    </message>
</context>
<context>
    <name>FileBar</name>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>اسم الملف:</translation>
    </message>
    <message>
        <source>AddLyrics</source>
        <translation>إضافة كلمات</translation>
    </message>
    <message>
        <source>Show Unsynched Lyrics</source>
        <translation>عرض الكلمات غير المتزامنة</translation>
    </message>
</context>
<context>
    <name>FormatTags</name>
    <message>
        <source>%1 is %2, not a song.</source>
        <translation>%1 هو %2، وليس أغنية.</translation>
    </message>
    <message>
        <source>the audio would have changed</source>
        <translation>كان الصوت سيتغير</translation>
    </message>
    <message>
        <source>the lyrics would not read back as written</source>
        <translation>لن تُقرأ الكلمات كما كُتبت</translation>
    </message>
    <message>
        <source>its tag holds fields that could not be kept as they are (%1)</source>
        <translation>في وسمه حقول تعذّر إبقاؤها كما هي (%1)</translation>
    </message>
    <message>
        <source>the synchronized lyrics</source>
        <translation>الكلمات المتزامنة</translation>
    </message>
    <message>
        <source>Wrote %1, %2 of them timed, into %3 of %4 as LRC text.</source>
        <translation>كُتب %1، منها %2 مؤقَّتة، في %3 من %4 نصًّا بصيغة LRC.</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>سطر واحد</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>لا أسطر</numerusform>
            <numerusform>سطر واحد</numerusform>
            <numerusform>سطران</numerusform>
            <numerusform>%n أسطر</numerusform>
            <numerusform>%n سطرًا</numerusform>
            <numerusform>%n سطر</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Id3v2Splice</name>
    <message>
        <source>its ID3v2.2 tag is compressed, which no reader undoes</source>
        <translation>وسم ID3v2.2 فيه مضغوط، ولا يفكّ ضغطه أي قارئ</translation>
    </message>
    <message>
        <source>its tag holds frames that could not be kept as they are (%1)</source>
        <translation>في وسمه إطارات تعذّر إبقاؤها كما هي (%1)</translation>
    </message>
    <message>
        <source>the lyrics would make its tag larger than a tag can be</source>
        <translation>ستجعل الكلمات وسمه أكبر مما يمكن أن يكون عليه وسم</translation>
    </message>
</context>
<context>
    <name>KeptCopy</name>
    <message>
        <source>Did not save: %1 was changed on disk after the sheet was read, and no copy of it could be kept (%2); the file there is unchanged.</source>
        <translation>لم يُحفظ: تغيّر %1 على القرص بعد قراءة الورقة، وتعذّر الاحتفاظ بنسخة منه (%2)؛ الملف هناك لم يتغيّر.</translation>
    </message>
    <message>
        <source>Did not save: the sheet does not hold all of %1, and no copy of it could be kept (%2); the file there is unchanged.</source>
        <translation>لم يُحفظ: الورقة لا تحوي كل %1، وتعذّر الاحتفاظ بنسخة منه (%2)؛ الملف هناك لم يتغيّر.</translation>
    </message>
    <message>
        <source>every name for a copy is taken</source>
        <translation>كل أسماء النسخ مستخدمة</translation>
    </message>
    <message>
        <source>%1 was changed on disk after the sheet was read, so the file there before is kept as %2.</source>
        <translation>تغيّر %1 على القرص بعد قراءة الورقة، لذا احتُفظ بالملف السابق باسم %2.</translation>
    </message>
    <message>
        <source>The sheet does not hold all of %1, so the file there before is kept as %2.</source>
        <translation>الورقة لا تحوي كل %1، لذا احتُفظ بالملف السابق باسم %2.</translation>
    </message>
</context>
<context>
    <name>KeyOverlay</name>
    <message>
        <source>Page %1 of %2: %3 turns the page</source>
        <translation>الصفحة %1 من %2: %3 يقلب الصفحة</translation>
    </message>
</context>
<context>
    <name>LyricAligner</name>
    <message>
        <source>%1: suggestions are rough, lines spread by syllables between marks. Mark a few lines and they improve.</source>
        <translation>%1: الاقتراحات تقريبية، والأسطر موزعة حسب المقاطع بين العلامات. علِّم بضعة أسطر فتتحسن.</translation>
    </message>
    <message>
        <source>The lyrics hold no words to listen for</source>
        <translation>لا تحوي الكلمات ألفاظًا يُصغى إليها</translation>
    </message>
    <message>
        <source>The lyrics hold more than %1 words, too many to listen for</source>
        <translation>تحوي الكلمات أكثر من %1 لفظ، وهذا أكثر مما يُصغى إليه</translation>
    </message>
    <message>
        <source>The lyrics are mostly not in Latin letters, and only words in Latin letters can be heard</source>
        <translation>معظم الكلمات ليست بالحروف اللاتينية، ولا تُميَّز إلا الألفاظ المكتوبة بالحروف اللاتينية</translation>
    </message>
    <message>
        <source>The lyrics are mostly not English: their words are heard as English would say them, and the suggested times stay rough guesses</source>
        <translation>معظم كلمات الأغنية ليست بالإنجليزية: تُسمَع ألفاظها كما تُنطق بالإنجليزية، وتبقى الأوقات المقترحة تخمينات تقريبية</translation>
    </message>
    <message>
        <source>Could not hear a voice clearly</source>
        <translation>تعذّر سماع صوت بوضوح</translation>
    </message>
</context>
<context>
    <name>LyricSheet</name>
    <message>
        <source>Add Line To End</source>
        <translation>إضافة سطر في النهاية</translation>
    </message>
    <message>
        <source>Insert Line</source>
        <translation>إدراج سطر</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>حذف سطر</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>تحرير الكلمات المحددة</translation>
    </message>
    <message>
        <source>Mark Line at %1</source>
        <translation>تعليم السطر عند %1</translation>
    </message>
    <message>
        <source>Clear All Time Markings</source>
        <translation>مسح كل علامات الوقت</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>السطر %1 %2</translation>
    </message>
    <message>
        <source>has the time &quot;%1&quot;, which is not a number</source>
        <translation>وقته «%1» وهو ليس رقمًا</translation>
    </message>
    <message>
        <source>would move outside -%1 to %1 seconds</source>
        <translation>سيخرج عن المدى من ‎-%1 إلى %1 ثانية</translation>
    </message>
    <message>
        <source>cannot move by &quot;%1&quot;, which is too large</source>
        <translation>لا يمكن تحريكه بمقدار «%1» لأنه كبير جدًا</translation>
    </message>
    <message>
        <source>Adjust All Lines</source>
        <translation>ضبط كل الأسطر</translation>
    </message>
    <message>
        <source>Adjust Selected Line</source>
        <translation>ضبط السطر المحدد</translation>
    </message>
    <message>
        <source>⚠ Doubtful mark: %1. Ctrl+R replays the line to mark it again, Alt+Left or Alt+Right moves it by 0.1 s, Ctrl+G keeps it as it is.</source>
        <translation>⚠ علامة مشكوك فيها: %1. يعيد Ctrl+R تشغيل السطر لتعليمه من جديد، ويحرّكه Alt+Left أو Alt+Right بمقدار 0.1 s، ويبقيه Ctrl+G كما هو.</translation>
    </message>
    <message>
        <source>Suggested time (grey): %1, not saved until accepted. Ctrl+G accepts it; Ctrl+Shift+G accepts every confident one.</source>
        <translation>وقت مقترح (رمادي): %1، لا يُحفظ حتى يُقبل. يقبله Ctrl+G؛ ويقبل Ctrl+Shift+G كل اقتراح موثوق.</translation>
    </message>
    <message>
        <source>heard in the song</source>
        <translation>مسموع في الأغنية</translation>
    </message>
    <message>
        <source>a rough guess</source>
        <translation>تخمين تقريبي</translation>
    </message>
    <message>
        <source>suggested %1</source>
        <translation>مقترح %1</translation>
    </message>
    <message>
        <source>%1, doubtful: %2</source>
        <translation>%1، مشكوك فيه: %2</translation>
    </message>
    <message>
        <source>Lyric</source>
        <translation>الكلمات</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Secs</source>
        <translation>ثوانٍ</translation>
    </message>
    <message>
        <source>%1%2 s</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <source>Mark Word &quot;%1&quot; at %2</source>
        <translation>تعليم الكلمة «%1» عند %2</translation>
    </message>
    <message>
        <source>Nudge Word by %1</source>
        <translation>تحريك الكلمة بمقدار %1</translation>
    </message>
    <message>
        <source>Nudge Lines by %1</source>
        <translation>تحريك الأسطر بمقدار %1</translation>
    </message>
    <message>
        <source>Nudge Line by %1</source>
        <translation>تحريك السطر بمقدار %1</translation>
    </message>
    <message>
        <source>Adjust Selected Lines</source>
        <translation>ضبط الأسطر المحددة</translation>
    </message>
    <message>
        <source>Move Word &quot;%1&quot; to %2</source>
        <translation>نقل الكلمة «%1» إلى %2</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into &quot;%2&quot;</source>
        <translation>تقسيم «%1» إلى «%2»</translation>
    </message>
</context>
<context>
    <name>LyricsXml</name>
    <message>
        <source>The song&apos;s path holds a character a lyrics file cannot hold (%1); rename the song and save again</source>
        <translation>في مسار الأغنية محرف لا يمكن أن يحمله ملف الكلمات (%1)؛ أعد تسمية الأغنية واحفظ مجددًا</translation>
    </message>
    <message>
        <source>Line %1 holds a character a lyrics file cannot hold (%2); remove it and save again</source>
        <translation>في السطر %1 محرف لا يمكن أن يحمله ملف الكلمات (%2)؛ احذفه واحفظ مجددًا</translation>
    </message>
    <message>
        <source>a lyric is longer than %1 characters</source>
        <translation>سطر من الكلمات أطول من %1 محرف</translation>
    </message>
    <message>
        <source>its text comes to more than %1 characters</source>
        <translation>يتجاوز نصه %1 محرف</translation>
    </message>
    <message>
        <source>text between elements was skipped</source>
        <translation>تُخطّي نص بين العناصر</translation>
    </message>
    <message>
        <source>its document type declares entities, which a lyrics file never does</source>
        <translation>يعلن نوع مستنده كيانات، وهو ما لا يفعله ملف الكلمات أبدًا</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>لا عنصر جذر</translation>
    </message>
    <message>
        <source>Cannot read the lyrics file %1: %2</source>
        <translation>تعذّرت قراءة ملف الكلمات %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged at line %2, column %3 (%4)</source>
        <translation>%1 تالف عند السطر %2، العمود %3 (%4)</translation>
    </message>
    <message>
        <source>%1; no lines could be read from it</source>
        <translation>%1؛ تعذّرت قراءة أي سطر منه</translation>
    </message>
    <message>
        <source>%1; the sheet shows the lines before that point, and saving would drop the rest</source>
        <translation>%1؛ تعرض القائمة الأسطر قبل تلك النقطة، والحفظ سيُسقط الباقي</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <translation>%1، السطر %2، العمود %3: %4</translation>
    </message>
    <message>
        <source>%1 holds %2 lines; the sheet shows the first %3 and saving now would drop the rest</source>
        <translation>في %1 ‏%2 سطر؛ تعرض القائمة أول %3 والحفظ الآن سيُسقط الباقي</translation>
    </message>
    <message>
        <source>a control character (%1), which XML does not allow</source>
        <translation>محرف تحكم (%1) لا يسمح به XML</translation>
    </message>
</context>
<context>
    <name>MarkingSettings</name>
    <message>
        <source>the settings file %1 is %2</source>
        <translation>ملف الإعدادات %1 هو %2</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: it is not in the settings format, so it is left as it is</source>
        <translation>تعذّرت قراءة ملف الإعدادات %1: ليس بصيغة الإعدادات، لذا تُرك كما هو</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read</source>
        <translation>تعذّرت قراءة ملف الإعدادات %1</translation>
    </message>
    <message>
        <source>the settings file %1 is not writable</source>
        <translation>ملف الإعدادات %1 غير قابل للكتابة</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: it is not in the settings format</source>
        <translation>تعذّرت قراءة ملف الإعدادات %1: ليس بصيغة الإعدادات</translation>
    </message>
</context>
<context>
    <name>MediaModule</name>
    <message>
        <source>the media module %1 could not be loaded (%2)</source>
        <translation>تعذّر تحميل وحدة الوسائط %1 ‏(%2)</translation>
    </message>
    <message>
        <source>the media module %1 is not in %2</source>
        <translation>وحدة الوسائط %1 ليست في %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> أو </translation>
    </message>
</context>
<context>
    <name>MediaServices</name>
    <message>
        <source>this program was built without its media module</source>
        <translation>بُني هذا البرنامج دون وحدة الوسائط الخاصة به</translation>
    </message>
</context>
<context>
    <name>MissingMedia</name>
    <message>
        <source>%1 could not be loaded: %2</source>
        <translation>تعذّر تحميل %1: %2</translation>
    </message>
    <message>
        <source>the audio player</source>
        <translation>مشغّل الصوت</translation>
    </message>
    <message>
        <source>the audio decoder</source>
        <translation>مفكّك ترميز الصوت</translation>
    </message>
    <message>
        <source>the speech recogniser</source>
        <translation>معرِّف الكلام</translation>
    </message>
    <message>
        <source>the word pronouncer</source>
        <translation>نطق الكلمات</translation>
    </message>
    <message>
        <source>the voice detector</source>
        <translation>كاشف الصوت البشري</translation>
    </message>
</context>
<context>
    <name>ModelCheck</name>
    <message>
        <source>the English speech model in %1 is damaged (%2)</source>
        <translation>نموذج الكلام الإنجليزي في %1 تالف (%2)</translation>
    </message>
    <message>
        <source>%1 is not as its package installed it; reinstall pocketsphinx-en-us</source>
        <translation>%1 ليس كما ثبّتته حزمته؛ أعد تثبيت pocketsphinx-en-us</translation>
    </message>
    <message>
        <source>it could not be tried: %1</source>
        <translation>تعذّرت تجربته: %1</translation>
    </message>
    <message>
        <source>loading it did not end</source>
        <translation>لم ينتهِ تحميله</translation>
    </message>
    <message>
        <source>loading it crashed the recogniser with signal %1</source>
        <translation>أدى تحميله إلى انهيار معرِّف الكلام بالإشارة %1</translation>
    </message>
    <message>
        <source>the recogniser could not read it</source>
        <translation>تعذّر على معرِّف الكلام قراءته</translation>
    </message>
</context>
<context>
    <name>MpvEngine</name>
    <message>
        <source>the audio player could not be started (libmpv)</source>
        <translation>تعذّر تشغيل مشغّل الصوت (libmpv)</translation>
    </message>
    <message>
        <source>the audio player could not be initialised (libmpv)</source>
        <translation>تعذّرت تهيئة مشغّل الصوت (libmpv)</translation>
    </message>
</context>
<context>
    <name>PreciseTimes</name>
    <message>
        <source>it has %1 lines, the lyrics file %2</source>
        <translation>فيه %1 سطر، وفي ملف الكلمات %2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>السطر %1</translation>
    </message>
    <message>
        <source>%1 has other words</source>
        <translation>%1 فيه كلمات أخرى</translation>
    </message>
    <message>
        <source>%1 is not marked in the lyrics file</source>
        <translation>%1 غير معلَّم في ملف الكلمات</translation>
    </message>
    <message>
        <source>%1 is marked only in the lyrics file</source>
        <translation>%1 معلَّم في ملف الكلمات وحده</translation>
    </message>
    <message>
        <source>%1 is at %2, not in second %3 of the lyrics file</source>
        <translation>%1 عند %2، لا في الثانية %3 من ملف الكلمات</translation>
    </message>
    <message>
        <source>%1 was not used for precise times: %2.</source>
        <translation>لم يُستخدم %1 للأوقات الدقيقة: %2.</translation>
    </message>
    <message>
        <source>it holds more lines than a lyrics file</source>
        <translation>فيه أسطر أكثر مما يسعه ملف كلمات</translation>
    </message>
    <message>
        <source>it does not match the lyrics file (%1)</source>
        <translation>لا يطابق ملف الكلمات (%1)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>not a regular file (%1)</source>
        <translation>ليس ملفًا عاديًا (%1)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>مجلد</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>أنبوب مسمّى</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>جهاز</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>مقبس</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>شيء ليس ملفًا بسيطًا</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>رابط لا يشير إلى شيء</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be looked at</source>
        <translation>إنه رابط إلى %1، ولا يمكن فحصه</translation>
    </message>
    <message>
        <source>it is a link to %1 outside the song&apos;s folder, which a save as root never follows</source>
        <translation>إنه رابط إلى %1 خارج مجلد الأغنية، ولا يتبعه الحفظ بصلاحيات root أبدًا</translation>
    </message>
    <message>
        <source>it is a link to %1, a file of another owner outside the song&apos;s folder</source>
        <translation>إنه رابط إلى %1، وهو ملف لمالك آخر خارج مجلد الأغنية</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>القرص ممتلئ</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>the file did not read back as written</source>
        <translation>لم يُقرأ الملف كما كُتب</translation>
    </message>
    <message>
        <source>%1, and the old contents could not be put back</source>
        <translation>%1، وتعذّرت إعادة المحتوى القديم</translation>
    </message>
    <message>
        <source>%1, so the old contents were put back</source>
        <translation>%1، لذا أُعيد المحتوى القديم</translation>
    </message>
    <message>
        <source>%1, so the file was left as it was</source>
        <translation>%1، لذا تُرك الملف كما كان</translation>
    </message>
</context>
<context>
    <name>RunTagSave</name>
    <message>
        <source>Saving %1 into %2…</source>
        <translation>جارٍ حفظ %1 في %2…</translation>
    </message>
</context>
<context>
    <name>SheetPanel</name>
    <message>
        <source>Clear All Time Markings</source>
        <translation>مسح كل علامات الوقت</translation>
    </message>
    <message>
        <source>Insert Line</source>
        <translation>إدراج سطر</translation>
    </message>
    <message>
        <source>Add Line To End</source>
        <translation>إضافة سطر في النهاية</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>حذف سطر</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>تحرير الكلمات المحددة</translation>
    </message>
    <message>
        <source>Move Up 1 Line</source>
        <translation>نقل سطر لأعلى</translation>
    </message>
    <message>
        <source>Move Down 1 Line</source>
        <translation>نقل سطر لأسفل</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Ctrl+Z undoes the last change to the sheet; Ctrl+Shift+Z or Ctrl+Y redoes it.</source>
        <translation>يتراجع Ctrl+Z عن آخر تغيير في الورقة؛ ويعيده Ctrl+Shift+Z أو Ctrl+Y.</translation>
    </message>
    <message>
        <source>The line being sung, or the one selected</source>
        <translation>السطر الذي يُغنّى الآن، أو السطر المحدد</translation>
    </message>
    <message>
        <source>Current line</source>
        <translation>السطر الحالي</translation>
    </message>
    <message>
        <source>%1: the sheet has no lines.</source>
        <translation>%1: لا أسطر في الورقة.</translation>
    </message>
    <message>
        <source>%1: select a line first.</source>
        <translation>%1: حدّد سطرًا أولًا.</translation>
    </message>
    <message>
        <source>%1: the sheet already holds %2 lines, the most it can hold. Remove a line first.</source>
        <translation>%1: في الورقة %2 سطر، وهو أقصى ما تسعه. احذف سطرًا أولًا.</translation>
    </message>
    <message>
        <source>Edit Selected Lyric:</source>
        <translation>تحرير الكلمات المحددة:</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>لا شيء للتراجع عنه.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>لا شيء لإعادته.</translation>
    </message>
    <message>
        <source>Undid: %1</source>
        <translation>تراجعت عن: %1</translation>
    </message>
    <message>
        <source>Redid: %1</source>
        <translation>أعدت: %1</translation>
    </message>
    <message>
        <source>Suggested times can be accepted in the sheet while the song is stopped.</source>
        <translation>تُقبل الأوقات المقترحة في الورقة والأغنية متوقفة.</translation>
    </message>
    <message>
        <source>Removed line %1; Ctrl+Z brings it back.</source>
        <translation>حُذف السطر %1؛ يعيده Ctrl+Z.</translation>
    </message>
    <message>
        <source>Removed line %1, &quot;%2&quot;; Ctrl+Z brings it back.</source>
        <translation>حُذف السطر %1 «%2»؛ يعيده Ctrl+Z.</translation>
    </message>
    <message>
        <source>No line has a time to clear.</source>
        <translation>لا يوجد سطر له وقت يُمسح.</translation>
    </message>
    <message>
        <source>Cleared the time of 1 line; Ctrl+Z brings it back.</source>
        <translation>مُسح وقت سطر واحد؛ يعيده Ctrl+Z.</translation>
    </message>
    <message>
        <source>Cleared the times of %1 lines; Ctrl+Z brings them back.</source>
        <translation>مُسحت أوقات %1 سطرًا؛ يعيدها Ctrl+Z.</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>SongAnalysis</name>
    <message>
        <source>No suggested times: %1. Mark the lines as the song plays.</source>
        <translation>لا أوقات مقترحة: %1. علِّم الأسطر أثناء تشغيل الأغنية.</translation>
    </message>
    <message>
        <source>Only the song&apos;s first %1 minutes get suggested times.</source>
        <translation>لا تحصل على أوقات مقترحة إلا أول %1 دقيقة من الأغنية.</translation>
    </message>
    <message>
        <source>No suggested times: there is not enough memory for the analysis. Mark the lines as the song plays.</source>
        <translation>لا أوقات مقترحة: لا توجد ذاكرة كافية للتحليل. علِّم الأسطر أثناء تشغيل الأغنية.</translation>
    </message>
</context>
<context>
    <name>SongCopy</name>
    <message>
        <source>there is no such file.</source>
        <translation>لا يوجد ملف كهذا.</translation>
    </message>
    <message>
        <source>it is %1, not a regular file.</source>
        <translation>إنه %1، وليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>الملف للقراءة فقط.</translation>
    </message>
    <message>
        <source>the temporary copy could not be written to disk.</source>
        <translation>تعذّرت كتابة النسخة المؤقتة على القرص.</translation>
    </message>
</context>
<context>
    <name>SongPlayback</name>
    <message>
        <source>%1; settings are not kept.</source>
        <translation>%1؛ لا تُحفظ الإعدادات.</translation>
    </message>
    <message>
        <source>Speed %1×</source>
        <translation>السرعة %1×</translation>
    </message>
    <message>
        <source>reaction delay %1 ms</source>
        <translation>زمن رد الفعل %1 ms</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Seeking works while a song is playing or paused.</source>
        <translation>يعمل التنقل أثناء تشغيل الأغنية أو إيقافها مؤقتًا.</translation>
    </message>
    <message>
        <source>Speed %1× is the slowest.</source>
        <translation>السرعة %1× هي الأبطأ.</translation>
    </message>
    <message>
        <source>Speed %1× is the fastest.</source>
        <translation>السرعة %1× هي الأسرع.</translation>
    </message>
    <message>
        <source>Normal speed.</source>
        <translation>سرعة عادية.</translation>
    </message>
    <message>
        <source>No reaction delay: marks are taken at the press.</source>
        <translation>لا زمن لرد الفعل: تؤخذ العلامات لحظة الضغط.</translation>
    </message>
    <message>
        <source> (it could not be kept for the next run: %1)</source>
        <translation> (تعذّر حفظه للتشغيل التالي: %1)</translation>
    </message>
    <message>
        <source>Lines can be marked up to %1 into a song.</source>
        <translation>يمكن تعليم الأسطر حتى %1 من الأغنية.</translation>
    </message>
    <message>
        <source>The clicks for measuring the reaction delay could not be written to a temporary folder.</source>
        <translation>تعذّرت كتابة النقرات اللازمة لقياس زمن رد الفعل في مجلد مؤقت.</translation>
    </message>
    <message>
        <source>Reaction delay: press Mark Line at each of the %1 clicks (Stop ends it).</source>
        <translation>زمن رد الفعل: اضغط «تعليم السطر» عند كل نقرة من النقرات الـ %1 (يُنهيه «إيقاف»).</translation>
    </message>
    <message>
        <source>Reaction delay: %1 of %2 clicks taken.</source>
        <translation>زمن رد الفعل: أُخذت %1 من %2 نقرة.</translation>
    </message>
    <message>
        <source>Reaction delay unchanged (%1 ms): only %2 of %3 clicks were taken; Ctrl+T tries again.</source>
        <translation>زمن رد الفعل لم يتغير (%1 ms): لم تؤخذ إلا %2 من %3 نقرة؛ يعيد Ctrl+T المحاولة.</translation>
    </message>
    <message>
        <source>Cannot play %1: it is %2, not a song file.</source>
        <translation>تعذّر تشغيل %1: إنه %2، وليس ملف أغنية.</translation>
    </message>
</context>
<context>
    <name>SongSession</name>
    <message>
        <source>1 line</source>
        <translation>سطر واحد</translation>
    </message>
    <message>
        <source>Open Song Without Lyrics</source>
        <translation>فتح أغنية بلا كلمات</translation>
    </message>
    <message>
        <source>%1 lies beside the song: Ctrl+I reads it into the sheet.</source>
        <translation>‏%1 بجانب الأغنية: يقرؤه Ctrl+I إلى الورقة.</translation>
    </message>
    <message>
        <source>Load Lyrics File</source>
        <translation>تحميل ملف الكلمات</translation>
    </message>
    <message>
        <source>Load Tag Lyrics</source>
        <translation>تحميل كلمات الوسم</translation>
    </message>
    <message>
        <source>The lyrics have %1 lines; only the first %2 are on the sheet.</source>
        <translation>في الكلمات %1 سطر؛ ولا يظهر في الورقة إلا أول %2.</translation>
    </message>
    <message>
        <source>No audio player is available.</source>
        <translation>لا يتوفر مشغّل صوت.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2; the song plays without a preview</source>
        <translation>تعذّرت قراءة %1: %2؛ تُشغَّل الأغنية دون معاينة</translation>
    </message>
    <message>
        <source>%1, line element %2: the LineNumber &quot;%3&quot; is not a whole number from -32768 to 32767; the preview holds the lines before it</source>
        <translation>%1، عنصر السطر %2: قيمة LineNumber ‏«%3» ليست عددًا صحيحًا من ‎-32768 إلى 32767؛ تحوي المعاينة الأسطر التي قبله</translation>
    </message>
    <message>
        <source>Open a song before %1.</source>
        <translation>افتح أغنية قبل %1.</translation>
    </message>
    <message>
        <source>Open a song before saving its lyrics</source>
        <translation>افتح أغنية قبل حفظ كلماتها</translation>
    </message>
    <message>
        <source>Cannot save: the song&apos;s name &quot;%1&quot; is too short to name a lyrics file beside it</source>
        <translation>تعذّر الحفظ: اسم الأغنية «%1» أقصر من أن يُسمّى به ملف كلمات بجانبها</translation>
    </message>
    <message>
        <source>Saved %1, but not its precise times: %2</source>
        <translation>حُفظ %1، لكن دون أوقاته الدقيقة: %2</translation>
    </message>
    <message>
        <source>Saved %1: %2, %3 marked</source>
        <translation>حُفظ %1: %2، منها %3 معلَّمة</translation>
    </message>
    <message>
        <source>; the precise times in %1</source>
        <translation>؛ والأوقات الدقيقة في %1</translation>
    </message>
    <message>
        <source>Cannot save the lyrics: no tag component.</source>
        <translation>تعذّر حفظ الكلمات: لا يوجد مكوّن للوسوم.</translation>
    </message>
    <message>
        <source>Open a song before saving its lyrics.</source>
        <translation>افتح أغنية قبل حفظ كلماتها.</translation>
    </message>
    <message>
        <source>Saved empty lyrics into %1 of %2.</source>
        <translation>حُفظت كلمات فارغة في %1 من %2.</translation>
    </message>
    <message>
        <source>Saved %1 of lyrics into %2 of %3.</source>
        <translation>حُفظ %1 من الكلمات في %2 من %3.</translation>
    </message>
    <message>
        <source>writing timed lyrics into its tag</source>
        <translation>كتابة الكلمات المؤقتة في وسمها</translation>
    </message>
    <message>
        <source>No line is marked yet, so the tag of %1 was not changed.</source>
        <translation>لم يُعلَّم أي سطر بعد، لذا لم يتغير وسم %1.</translation>
    </message>
    <message>
        <source>Cannot write timed lyrics: no tag component.</source>
        <translation>تعذّرت كتابة الكلمات المؤقتة: لا يوجد مكوّن للوسوم.</translation>
    </message>
    <message>
        <source>writing an LRC file</source>
        <translation>كتابة ملف LRC</translation>
    </message>
    <message>
        <source>No line is marked yet, so %1 was not written.</source>
        <translation>لم يُعلَّم أي سطر بعد، لذا لم يُكتب %1.</translation>
    </message>
    <message>
        <source>Wrote %1: %2 timed lines of %3.</source>
        <translation>كُتب %1: %2 سطر مؤقت من %3.</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>writing subtitles</source>
        <translation>كتابة الترجمات</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و%2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>، </translation>
    </message>
    <message>
        <source>No line is marked yet, so %1 were not written: mark lines first.</source>
        <translation>لم يُعلَّم أي سطر بعد، لذا لم تُكتب %1: علِّم الأسطر أولًا.</translation>
    </message>
    <message>
        <source>Wrote %1, but not the rest: %2</source>
        <translation>كُتب %1، دون الباقي: %2</translation>
    </message>
    <message>
        <source>Wrote %1 beside the song: %2</source>
        <translation>كُتبت %1 بجانب الأغنية: %2</translation>
    </message>
    <message>
        <source>; %1 without a time left out (mark them to include them)</source>
        <translation>؛ وأُسقط %1 بلا وقت (علِّمها لتُضمَّن)</translation>
    </message>
    <message>
        <source>reading its LRC file</source>
        <translation>قراءة ملف LRC الخاص بها</translation>
    </message>
    <message>
        <source>%1 has a lyrics file already (%2); drop %3 on the window to replace the sheet with it.</source>
        <translation>لـ%1 ملف كلمات بالفعل (%2)؛ أفلت %3 على النافذة لتستبدل به الورقة.</translation>
    </message>
    <message>
        <source>There is no %1 beside the song.</source>
        <translation>لا يوجد %1 بجانب الأغنية.</translation>
    </message>
    <message>
        <source>%1 holds more lines than the sheet&apos;s %2; the sheet was left as it was.</source>
        <translation>في %1 أسطر أكثر من الـ%2 التي تسعها الورقة؛ تُركت الورقة كما كانت.</translation>
    </message>
    <message>
        <source>%1 holds no lyrics lines; the sheet was left as it was.</source>
        <translation>لا أسطر كلمات في %1؛ تُركت الورقة كما كانت.</translation>
    </message>
    <message>
        <source>%1 holds no time stamps, so it is no LRC file; the sheet was left as it was.</source>
        <translation>لا طوابع زمنية في %1، فهو ليس ملف LRC؛ تُركت الورقة كما كانت.</translation>
    </message>
    <message>
        <source>Read LRC File</source>
        <translation>قراءة ملف LRC</translation>
    </message>
    <message numerus="yes">
        <source>Read %n lines from %1; Save writes them to the lyrics file.</source>
        <translation>
            <numerusform>لم يُقرأ أي سطر من %1.</numerusform>
            <numerusform>قُرئ سطر واحد من %1؛ يكتبه «حفظ» في ملف الكلمات.</numerusform>
            <numerusform>قُرئ سطران من %1؛ يكتبهما «حفظ» في ملف الكلمات.</numerusform>
            <numerusform>قُرئت %n أسطر من %1؛ يكتبها «حفظ» في ملف الكلمات.</numerusform>
            <numerusform>قُرئ %n سطرًا من %1؛ يكتبها «حفظ» في ملف الكلمات.</numerusform>
            <numerusform>قُرئ %n سطر من %1؛ يكتبها «حفظ» في ملف الكلمات.</numerusform>
        </translation>
    </message>
    <message>
        <source>Precise times are kept: Save also writes Song.lrc beside Song.xml, in milliseconds.</source>
        <translation>تُحفظ الأوقات الدقيقة: يكتب «حفظ» أيضًا Song.lrc بجانب Song.xml، بالميلي ثانية.</translation>
    </message>
    <message>
        <source>Precise times are not kept: Save writes Song.xml alone, in whole seconds.</source>
        <translation>لا تُحفظ الأوقات الدقيقة: يكتب «حفظ» ملف Song.xml وحده، بالثواني الكاملة.</translation>
    </message>
    <message>
        <source> It lasts until the window closes: %1.</source>
        <translation> يبقى ذلك حتى تُغلق النافذة: %1.</translation>
    </message>
    <message>
        <source>Word marking is on, and word times live only in Song.lrc: turn it off first.</source>
        <translation>تعليم الكلمات مفعَّل، وأوقات الكلمات لا تُحفظ إلا في Song.lrc: أوقفه أولًا.</translation>
    </message>
    <message>
        <source>Word marking is off: Mark Line stamps the next line.</source>
        <translation>تعليم الكلمات متوقف: يختم «تعليم السطر» السطر التالي.</translation>
    </message>
    <message>
        <source>Word marking is on: Mark Line stamps the next word of the line.</source>
        <translation>تعليم الكلمات مفعَّل: يختم «تعليم السطر» الكلمة التالية في السطر.</translation>
    </message>
    <message>
        <source>%1%2 s</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <source>Select a line to nudge.</source>
        <translation>حدّد سطرًا لتحريكه.</translation>
    </message>
    <message>
        <source>That word has no time to nudge yet.</source>
        <translation>ليس لهذه الكلمة وقت يُحرَّك بعد.</translation>
    </message>
    <message>
        <source>The selected lines have no time to nudge.</source>
        <translation>ليس للأسطر المحددة وقت يُحرَّك.</translation>
    </message>
    <message>
        <source>The time cannot move before the song&apos;s start.</source>
        <translation>لا يمكن تحريك الوقت إلى ما قبل بداية الأغنية.</translation>
    </message>
    <message numerus="yes">
        <source>; %n without a time stayed</source>
        <translation>
            <numerusform>؛ ولم يبقَ أي سطر بلا وقت</numerusform>
            <numerusform>؛ وبقي سطر واحد بلا وقت</numerusform>
            <numerusform>؛ وبقي سطران بلا وقت</numerusform>
            <numerusform>؛ وبقيت %n أسطر بلا وقت</numerusform>
            <numerusform>؛ وبقي %n سطرًا بلا وقت</numerusform>
            <numerusform>؛ وبقي %n سطر بلا وقت</numerusform>
        </translation>
    </message>
    <message>
        <source>Adjust Selected Line: %1, so it was left unchanged.</source>
        <translation>ضبط السطر المحدد: %1، لذا تُرك دون تغيير.</translation>
    </message>
    <message numerus="yes">
        <source>Adjust Selected Line: %n lines were left unchanged; %1.</source>
        <translation>
            <numerusform>ضبط السطر المحدد: لم يُترك أي سطر؛ %1.</numerusform>
            <numerusform>ضبط السطر المحدد: تُرك سطر واحد دون تغيير؛ %1.</numerusform>
            <numerusform>ضبط السطر المحدد: تُرك سطران دون تغيير؛ %1.</numerusform>
            <numerusform>ضبط السطر المحدد: تُركت %n أسطر دون تغيير؛ %1.</numerusform>
            <numerusform>ضبط السطر المحدد: تُرك %n سطرًا دون تغيير؛ %1.</numerusform>
            <numerusform>ضبط السطر المحدد: تُرك %n سطر دون تغيير؛ %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>لا أسطر</numerusform>
            <numerusform>سطر واحد</numerusform>
            <numerusform>سطران</numerusform>
            <numerusform>%n أسطر</numerusform>
            <numerusform>%n سطرًا</numerusform>
            <numerusform>%n سطر</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>السطر %1</translation>
    </message>
    <message>
        <source>Lines %1–%2</source>
        <translation>الأسطر %1–%2</translation>
    </message>
    <message>
        <source>%1 lines from line %2</source>
        <translation>%1 من الأسطر بدءًا من السطر %2</translation>
    </message>
    <message>
        <source>Lines %1 and %2</source>
        <translation>الأسطر %1 و%2</translation>
    </message>
    <message>
        <source>Word “%1” of line %2 moved %3 to %4.</source>
        <translation>تحرّكت الكلمة «%1» في السطر %2 بمقدار %3 إلى %4.</translation>
    </message>
    <message>
        <source>%1 moved %2%3.</source>
        <translation>تحرّك %1 بمقدار %2%3.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 إلى %2</translation>
    </message>
    <message>
        <source>Wrote %1: 1 timed line of %2.</source>
        <translation>كُتب %1: سطر واحد مؤقت من %2.</translation>
    </message>
    <message>
        <source>Bring Back Unsaved Changes</source>
        <translation>استعادة التغييرات غير المحفوظة</translation>
    </message>
    <message>
        <source>Brought back the %1 kept unsaved on %2; Save writes them to the lyrics file, Ctrl+Z takes them back.</source>
        <translation>استُعيدت %1 المحفوظة دون حفظ في %2؛ الحفظ يكتبها في ملف الكلمات، وCtrl+Z يتراجع عنها.</translation>
    </message>
</context>
<context>
    <name>SongSuggestions</name>
    <message>
        <source>Suggesting times… %1 %</source>
        <translation>جارٍ اقتراح الأوقات… %1 %</translation>
    </message>
    <message>
        <source>Accept Suggested Time: select a line first.</source>
        <translation>قبول الوقت المقترح: حدّد سطرًا أولًا.</translation>
    </message>
    <message>
        <source>Line %1 keeps its mark.</source>
        <translation>يحتفظ السطر %1 بعلامته.</translation>
    </message>
    <message>
        <source>Accept Suggested Time: line %1 has no suggested time.</source>
        <translation>قبول الوقت المقترح: ليس للسطر %1 وقت مقترح.</translation>
    </message>
    <message>
        <source>Accept Suggested Time</source>
        <translation>قبول الوقت المقترح</translation>
    </message>
    <message>
        <source>Line %1 takes its suggested time.</source>
        <translation>أخذ السطر %1 وقته المقترح.</translation>
    </message>
    <message>
        <source>Accept Suggested Times: the suggestions are not ready yet.</source>
        <translation>قبول الأوقات المقترحة: الاقتراحات لم تجهز بعد.</translation>
    </message>
    <message>
        <source>Accept Suggested Times: no confident suggestion to accept.</source>
        <translation>قبول الأوقات المقترحة: لا اقتراح موثوق لقبوله.</translation>
    </message>
    <message>
        <source>Accept Suggested Times</source>
        <translation>قبول الأوقات المقترحة</translation>
    </message>
    <message numerus="yes">
        <source>%n lines take their suggested times.</source>
        <translation>
            <numerusform>لم يأخذ أي سطر وقته المقترح.</numerusform>
            <numerusform>أخذ سطر واحد وقته المقترح.</numerusform>
            <numerusform>أخذ سطران وقتيهما المقترحين.</numerusform>
            <numerusform>أخذت %n أسطر أوقاتها المقترحة.</numerusform>
            <numerusform>أخذ %n سطرًا أوقاتها المقترحة.</numerusform>
            <numerusform>أخذ %n سطر أوقاتها المقترحة.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 words in %2 lines take their suggested times.</source>
        <translation>أخذت %1 من الكلمات في %2 من الأسطر أوقاتها المقترحة.</translation>
    </message>
    <message>
        <source>%1 lines take their suggested times; %2 words in %3 lines take theirs.</source>
        <translation>أخذت %1 من الأسطر أوقاتها المقترحة، وأخذت %2 من الكلمات في %3 من الأسطر أوقاتها.</translation>
    </message>
    <message>
        <source>Accept Word Times: select a line first.</source>
        <translation>قبول أوقات الكلمات: حدّد سطرًا أولًا.</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1&apos;s words are not ready yet.</source>
        <translation>قبول أوقات الكلمات: كلمات السطر %1 لم تجهز بعد.</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1 has no suggested word times; the next line needs its time first.</source>
        <translation>قبول أوقات الكلمات: ليس للسطر %1 أوقات كلمات مقترحة؛ يحتاج السطر التالي إلى وقته أولًا.</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1 has no time yet; mark it first.</source>
        <translation>قبول أوقات الكلمات: ليس للسطر %1 وقت بعد؛ علّمه أولًا.</translation>
    </message>
    <message>
        <source>Accept Word Times</source>
        <translation>قبول أوقات الكلمات</translation>
    </message>
    <message>
        <source>Line %1 takes %2 suggested word times.</source>
        <translation>أخذ السطر %1 عدد %2 من أوقات الكلمات المقترحة.</translation>
    </message>
    <message>
        <source>Line %1 is marked already; Ctrl+Shift+W takes its suggested word times.</source>
        <translation>السطر %1 معلَّم بالفعل؛ يأخذ Ctrl+Shift+W أوقات كلماته المقترحة.</translation>
    </message>
    <message>
        <source>Line %1 is marked already.</source>
        <translation>السطر %1 معلَّم بالفعل.</translation>
    </message>
</context>
<context>
    <name>SphinxRecogniser</name>
    <message>
        <source>the English speech model is not installed (%1)</source>
        <translation>نموذج الكلام الإنجليزي غير مثبَّت (%1)</translation>
    </message>
    <message>
        <source>the English speech model could not be loaded (%1)</source>
        <translation>تعذّر تحميل نموذج الكلام الإنجليزي (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory to load the English speech model</source>
        <translation>لا توجد ذاكرة كافية لتحميل نموذج الكلام الإنجليزي</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Status</source>
        <translation>الحالة</translation>
    </message>
    <message>
        <source>What the last action did and what to do next</source>
        <translation>ما فعله الإجراء الأخير وما يجب فعله بعده</translation>
    </message>
    <message>
        <source>%1  ·  %2</source>
        <translation>%1  ·  %2</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>فشل %1: %2</translation>
    </message>
    <message>
        <source>%1 failed unexpectedly.</source>
        <translation>فشل %1 على نحو غير متوقع.</translation>
    </message>
</context>
<context>
    <name>SyncedTag</name>
    <message>
        <source>%1 is %2, not a song.</source>
        <translation>%1 هو %2، وليس أغنية.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>تعذّر فتح %1.</translation>
    </message>
    <message>
        <source>%1 is not an MP3 file.</source>
        <translation>%1 ليس ملف MP3.</translation>
    </message>
    <message>
        <source>Wrote 1 timed line and words into the tag of %1 (SYLT).</source>
        <translation>كُتب سطر مؤقَّت واحد وكلماته في وسم %1 (SYLT).</translation>
    </message>
    <message>
        <source>Wrote 1 timed line into the tag of %1 (SYLT).</source>
        <translation>كُتب سطر مؤقَّت واحد في وسم %1 (SYLT).</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n timed lines and words into the tag of %1 (SYLT).</source>
        <translation>
            <numerusform>لم يُكتب أي سطر مؤقَّت في وسم %1 (SYLT).</numerusform>
            <numerusform>كُتب سطر مؤقَّت واحد وكلماته في وسم %1 (SYLT).</numerusform>
            <numerusform>كُتب سطران مؤقَّتان وكلماتهما في وسم %1 (SYLT).</numerusform>
            <numerusform>كُتبت %n أسطر مؤقَّتة وكلماتها في وسم %1 (SYLT).</numerusform>
            <numerusform>كُتب %n سطرًا مؤقَّتًا وكلماتها في وسم %1 (SYLT).</numerusform>
            <numerusform>كُتب %n سطر مؤقَّت وكلماتها في وسم %1 (SYLT).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n timed lines into the tag of %1 (SYLT).</source>
        <translation>
            <numerusform>لم يُكتب أي سطر مؤقَّت في وسم %1 (SYLT).</numerusform>
            <numerusform>كُتب سطر مؤقَّت واحد في وسم %1 (SYLT).</numerusform>
            <numerusform>كُتب سطران مؤقَّتان في وسم %1 (SYLT).</numerusform>
            <numerusform>كُتبت %n أسطر مؤقَّتة في وسم %1 (SYLT).</numerusform>
            <numerusform>كُتب %n سطرًا مؤقَّتًا في وسم %1 (SYLT).</numerusform>
            <numerusform>كُتب %n سطر مؤقَّت في وسم %1 (SYLT).</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot save the synchronized lyrics into %1: its format has no SYLT frame.</source>
        <translation>تعذّر حفظ الكلمات المتزامنة في %1: ليس في صيغته إطار SYLT.</translation>
    </message>
    <message>
        <source>the lines would not read back as written</source>
        <translation>لن تُقرأ الأسطر كما كُتبت</translation>
    </message>
    <message>
        <source>the synchronized lyrics</source>
        <translation>الكلمات المتزامنة</translation>
    </message>
</context>
<context>
    <name>TagComponent</name>
    <message>
        <source>Timed lyrics cannot be written into the tag of %1 here.</source>
        <translation>لا يمكن هنا كتابة كلمات مؤقَّتة في وسم %1.</translation>
    </message>
</context>
<context>
    <name>TagLibComponent</name>
    <message>
        <source>The tag frame &quot;%1&quot; is not supported.</source>
        <translation>إطار الوسم &quot;%1&quot; غير مدعوم.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: it is a folder, not a song.</source>
        <translation>تعذّرت قراءة وسم %1: إنه مجلد، وليس أغنية.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: it is %2, not a song.</source>
        <translation>تعذّرت قراءة وسم %1: إنه %2، وليس أغنية.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: there is no such file.</source>
        <translation>تعذّرت قراءة وسم %1: لا يوجد ملف كهذا.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1</source>
        <translation>تعذّرت قراءة الوسم: %1</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: the file cannot be opened.</source>
        <translation>تعذّرت قراءة وسم %1: تعذّر فتح الملف.</translation>
    </message>
    <message>
        <source>The lyrics hold a character a tag cannot hold (U+%1); remove it and save again.</source>
        <translation>في الكلمات محرف لا يمكن أن يحمله الوسم (U+%1)؛ احذفه واحفظ مجددًا.</translation>
    </message>
    <message>
        <source>the lyrics</source>
        <translation>الكلمات</translation>
    </message>
</context>
<context>
    <name>TagSave</name>
    <message>
        <source>%1, so the song was left as it was.</source>
        <translation>%1، لذا تُركت الأغنية كما كانت.</translation>
    </message>
    <message>
        <source>cannot write a temporary copy in its folder: %1</source>
        <translation>تعذّرت كتابة نسخة مؤقتة في مجلده: %1</translation>
    </message>
    <message>
        <source>Cannot save %1 into %2: %3</source>
        <translation>تعذّر حفظ %1 في %2: %3</translation>
    </message>
    <message>
        <source>its ID3v2 tag is damaged or of an unknown version.</source>
        <translation>وسم ID3v2 فيه تالف أو من إصدار غير معروف.</translation>
    </message>
    <message>
        <source>it is not an MP3 file.</source>
        <translation>ليس ملف MP3.</translation>
    </message>
    <message>
        <source>its ID3v2 tag does not start the file, so the song was left as it was.</source>
        <translation>وسم ID3v2 فيه لا يبدأ به الملف، لذا تُركت الأغنية كما كانت.</translation>
    </message>
    <message>
        <source>its folder takes no temporary file</source>
        <translation>مجلده لا يقبل ملفًا مؤقتًا</translation>
    </message>
    <message>
        <source>the disk is full, so the song was left as it was.</source>
        <translation>القرص ممتلئ، لذا تُركت الأغنية كما كانت.</translation>
    </message>
    <message>
        <source>the audio would have changed, so the song was left as it was.</source>
        <translation>كان الصوت سيتغير، لذا تُركت الأغنية كما كانت.</translation>
    </message>
    <message>
        <source>its tag holds frames that could not be kept as they are (%1), so the song was left as it was.</source>
        <translation>في وسمه إطارات تعذّر إبقاؤها كما هي (%1)، لذا تُركت الأغنية كما كانت.</translation>
    </message>
    <message>
        <source>the lyrics would not read back as written</source>
        <translation>لن تُقرأ الكلمات كما كُتبت</translation>
    </message>
    <message>
        <source>a new file could not be given its owner</source>
        <translation>تعذّر منح ملف جديد مالكه</translation>
    </message>
    <message>
        <source>%1 were saved into %2 in place: %3, so the save was not atomic.</source>
        <translation>حُفظت %1 في %2 في مكانه: %3، لذا لم يكن الحفظ ذرّيًا.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>%1, and the song could not be put back as it was.</source>
        <translation>%1، وتعذّرت إعادة الأغنية كما كانت.</translation>
    </message>
    <message>
        <source>the song did not read back as written</source>
        <translation>لم تُقرأ الأغنية كما كُتبت</translation>
    </message>
    <message>
        <source>%1, so the old contents were put back.</source>
        <translation>%1، لذا أُعيد المحتوى القديم.</translation>
    </message>
    <message>
        <source>%1, and the old contents could not be put back.</source>
        <translation>%1، وتعذّرت إعادة المحتوى القديم.</translation>
    </message>
    <message>
        <source>%1, so it was left as it was.</source>
        <translation>%1، لذا تُرك كما كان.</translation>
    </message>
    <message>
        <source>cannot write a temporary copy in its folder (%1), so the song was left as it was.</source>
        <translation>تعذّرت كتابة نسخة مؤقتة في مجلده (%1)، لذا تُركت الأغنية كما كانت.</translation>
    </message>
    <message>
        <source>cannot copy the song: %1, so it was left as it was.</source>
        <translation>تعذّر نسخ الأغنية: %1، لذا تُركت كما كانت.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>إنها مبتورة</translation>
    </message>
    <message>
        <source>it belongs to another user, and the new copy cannot be made theirs, so the song was left as it was.</source>
        <translation>إنها لمستخدم آخر، ولا يمكن جعل النسخة الجديدة ملكه، لذا تُركت الأغنية كما كانت.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is a folder, not a text file.</source>
        <translation>%1 مجلد، وليس ملفًا نصيًا.</translation>
    </message>
    <message>
        <source>%1 is too large for lyrics (%2 MB; the limit is %3 MB).</source>
        <translation>%1 أكبر من أن يكون كلمات (%2 MB؛ الحد %3 MB).</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>تعذّرت قراءة %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large for lyrics.</source>
        <translation>%1 أكبر من أن يكون كلمات.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 ليس ملفًا نصيًا.</translation>
    </message>
</context>
<context>
    <name>TextPanel</name>
    <message>
        <source>Paste From Clipboard</source>
        <translation>لصق من الحافظة</translation>
    </message>
    <message>
        <source>Get Lyrics From Text File</source>
        <translation>جلب الكلمات من ملف نصي</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>the lyrics</source>
        <translation>الكلمات</translation>
    </message>
    <message>
        <source> Ctrl+Return puts the lines on the sheet without the tag; Save there writes %1.</source>
        <translation> يضع Ctrl+Return الأسطر في الورقة دون الوسم؛ ثم يكتبها الحفظ في %1.</translation>
    </message>
    <message>
        <source>Nothing to put on the sheet: the lyrics text is empty.</source>
        <translation>لا شيء لوضعه في الورقة: نص الكلمات فارغ.</translation>
    </message>
</context>
<context>
    <name>TimingFlag</name>
    <message>
        <source>marked %1 s later than the voice suggests</source>
        <translation>عُلِّم بعد %1 s مما يوحي به الصوت</translation>
    </message>
    <message>
        <source>marked %1 s earlier than the voice suggests</source>
        <translation>عُلِّم قبل %1 s مما يوحي به الصوت</translation>
    </message>
    <message>
        <source>marked where no voice is heard</source>
        <translation>عُلِّم حيث لا يُسمع صوت</translation>
    </message>
    <message>
        <source>; </source>
        <translation>؛ </translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Play</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Mark Line</source>
        <translation>تعليم السطر</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>إعادة التشغيل</translation>
    </message>
    <message>
        <source>Replay: line %1 has no time yet; mark it first.</source>
        <translation>إعادة التشغيل: ليس للسطر %1 وقت بعد؛ علِّمه أولًا.</translation>
    </message>
    <message>
        <source>Replaying line %1: Mark Line marks it again.</source>
        <translation>إعادة تشغيل السطر %1: يعيد «تعليم السطر» تعليمه.</translation>
    </message>
    <message>
        <source>Stop the song (with the lyric sheet shown) to measure the reaction delay.</source>
        <translation>أوقف الأغنية (وورقة الكلمات ظاهرة) لقياس زمن رد الفعل.</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>تعذّر إنشاء المجلد %1</translation>
    </message>
    <message>
        <source>No unsaved changes to these lyrics were kept.</source>
        <translation>لم يُحتفظ بأي تغييرات غير محفوظة لهذه الكلمات.</translation>
    </message>
</context>
<context>
    <name>WindowHelp</name>
    <message>
        <source>Open a song (Ctrl+O) or drop one here</source>
        <translation>افتح أغنية (Ctrl+O) أو أفلتها هنا</translation>
    </message>
    <message>
        <source>No lines. Ctrl+L adds one; Ctrl+O opens another song.</source>
        <translation>لا أسطر. يضيف Ctrl+L سطرًا؛ ويفتح Ctrl+O أغنية أخرى.</translation>
    </message>
    <message>
        <source>The song: a click or a drag plays from there. A thin tick is a marked line, a hollow tick at the foot a suggested time (Ctrl+G accepts the selected line&apos;s, Ctrl+Shift+G every confident one).</source>
        <translation>الأغنية: نقرة أو سحب يشغّلها من ذلك الموضع. الخط الرفيع سطر معلَّم، والخط المفرغ في الأسفل وقت مقترح (يقبل Ctrl+G وقت السطر المحدد، ويقبل Ctrl+Shift+G كل وقت موثوق).</translation>
    </message>
    <message>
        <source>Mark when each lyric line is sung: Play, then Space at each line.</source>
        <translation>علِّم متى يُغنّى كل سطر: شغّل، ثم اضغط المسافة عند كل سطر.</translation>
    </message>
    <message>
        <source>Open a song</source>
        <translation>فتح أغنية</translation>
    </message>
    <message>
        <source>Song file</source>
        <translation>ملف الأغنية</translation>
    </message>
    <message>
        <source>The song that is open</source>
        <translation>الأغنية المفتوحة</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>اسم الملف:</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>The open song&apos;s folder and file name</source>
        <translation>مجلد الأغنية المفتوحة واسم ملفها</translation>
    </message>
    <message>
        <source>Song folder</source>
        <translation>مجلد الأغنية</translation>
    </message>
    <message>
        <source>Song file name</source>
        <translation>اسم ملف الأغنية</translation>
    </message>
    <message>
        <source>Lyric sheet</source>
        <translation>ورقة الكلمات</translation>
    </message>
    <message>
        <source>The lines with their times, the player and the editing buttons</source>
        <translation>الأسطر وأوقاتها، والمشغّل، وأزرار التحرير</translation>
    </message>
    <message>
        <source>Lyric lines</source>
        <translation>أسطر الكلمات</translation>
    </message>
    <message>
        <source>Each line&apos;s number, lyric and time. A suggested time is read as suggested; Ctrl+G accepts it. The Menu key lists what can be done with the selected line. Empty until a song is opened (Ctrl+O).</source>
        <translation>رقم كل سطر وكلماته ووقته. يُقرأ الوقت المقترح على أنه مقترح؛ ويقبله Ctrl+G. يعرض مفتاح القائمة ما يمكن فعله بالسطر المحدد. تبقى فارغة حتى تُفتح أغنية (Ctrl+O).</translation>
    </message>
    <message>
        <source>Words of the selected line</source>
        <translation>كلمات السطر المحدد</translation>
    </message>
    <message>
        <source>Song position</source>
        <translation>موضع الأغنية</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>Every key of the window; any key or click closes it</source>
        <translation>كل مفاتيح النافذة؛ أي مفتاح أو نقرة تغلقها</translation>
    </message>
    <message>
        <source>Song time</source>
        <translation>وقت الأغنية</translation>
    </message>
    <message>
        <source>Where the song is, of how long</source>
        <translation>أين وصلت الأغنية، ومن أي طول</translation>
    </message>
    <message>
        <source>Seconds to adjust the selected line by</source>
        <translation>الثواني التي يُضبط بها السطر المحدد</translation>
    </message>
    <message>
        <source>Fractions and negative numbers are allowed; &quot;.&quot; is the decimal point</source>
        <translation>يُسمح بالكسور والأعداد السالبة؛ والفاصلة العشرية هي «.»</translation>
    </message>
    <message>
        <source>Seconds to adjust all lines by</source>
        <translation>الثواني التي تُضبط بها كل الأسطر</translation>
    </message>
    <message>
        <source>selected line</source>
        <translation>السطر المحدد</translation>
    </message>
    <message>
        <source>all lines</source>
        <translation>كل الأسطر</translation>
    </message>
    <message>
        <source>Step the seconds for %1</source>
        <translation>تغيير الثواني لـ%1</translation>
    </message>
    <message>
        <source>1 second up or down</source>
        <translation>ثانية واحدة زيادةً أو نقصًا</translation>
    </message>
    <message>
        <source>One more second for %1</source>
        <translation>ثانية إضافية لـ%1</translation>
    </message>
    <message>
        <source>One less second for %1</source>
        <translation>ثانية أقل لـ%1</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>فاصل</translation>
    </message>
    <message>
        <source>Lyrics text</source>
        <translation>نص الكلمات</translation>
    </message>
    <message>
        <source>Type, paste or load the lyrics; Save writes them into the song&apos;s tag and turns them into lines. Escape goes back without saving.</source>
        <translation>اكتب الكلمات أو الصقها أو حمّلها؛ يكتبها «حفظ» في وسم الأغنية ويحوّلها إلى أسطر. يعود Escape دون حفظ.</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>الكلمات</translation>
    </message>
    <message>
        <source>Accept the suggested time</source>
        <translation>قبول الوقت المقترح</translation>
    </message>
    <message>
        <source>Accept every confident suggested time</source>
        <translation>قبول كل وقت مقترح موثوق</translation>
    </message>
    <message>
        <source>Replay the line to mark it again</source>
        <translation>إعادة تشغيل السطر لتعليمه من جديد</translation>
    </message>
    <message>
        <source>0.1 s earlier</source>
        <translation>أبكر بـ 0.1 s</translation>
    </message>
    <message>
        <source>0.1 s later</source>
        <translation>أبطأ بـ 0.1 s</translation>
    </message>
    <message>
        <source>1 second earlier</source>
        <translation>أبكر بثانية</translation>
    </message>
    <message>
        <source>1 second later</source>
        <translation>أبطأ بثانية</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Every key</source>
        <translation>كل المفاتيح</translation>
    </message>
    <message>
        <source>Word marking on or off</source>
        <translation>تشغيل تعليم الكلمات أو إيقافه</translation>
    </message>
    <message>
        <source>The selected word 0.1 s earlier</source>
        <translation>الكلمة المحددة أبكر بـ 0.1 s</translation>
    </message>
    <message>
        <source>The selected word 0.1 s later</source>
        <translation>الكلمة المحددة أبطأ بـ 0.1 s</translation>
    </message>
    <message>
        <source>The selected word 0.01 s earlier</source>
        <translation>الكلمة المحددة أبكر بـ 0.01 s</translation>
    </message>
    <message>
        <source>The selected word 0.01 s later</source>
        <translation>الكلمة المحددة أبطأ بـ 0.01 s</translation>
    </message>
    <message>
        <source>Keep precise times on or off</source>
        <translation>حفظ الأوقات الدقيقة أو عدمه</translation>
    </message>
    <message>
        <source>Each word with its time. Alt+Left and Alt+Right move the selected word by 0.1 s; Ctrl+W turns word marking on and off; Ctrl+Shift+R loops the word; Ctrl+Shift+H splits it at the pointer.</source>
        <translation>كل كلمة مع وقتها. يحرّك Alt+Left وAlt+Right الكلمة المحددة بمقدار 0.1 s؛ ويشغّل Ctrl+W تعليم الكلمات ويوقفه؛ ويكرّر Ctrl+Shift+R الكلمة في حلقة؛ ويقسمها Ctrl+Shift+H عند المؤشر.</translation>
    </message>
    <message>
        <source>Accept the suggested word times</source>
        <translation>قبول أوقات الكلمات المقترحة</translation>
    </message>
    <message>
        <source>Loop the selected word or line on or off</source>
        <translation>تشغيل تكرار الكلمة أو السطر المحدد أو إيقافه</translation>
    </message>
    <message>
        <source>Split the word into syllables here</source>
        <translation>تقسيم الكلمة إلى مقاطع هنا</translation>
    </message>
    <message>
        <source>Split the selected word into its syllables</source>
        <translation>تقسيم الكلمة المحددة إلى مقاطعها</translation>
    </message>
    <message>
        <source>The open song&apos;s folder</source>
        <translation>مجلد الأغنية المفتوحة</translation>
    </message>
    <message>
        <source>The open song&apos;s file name</source>
        <translation>اسم ملف الأغنية المفتوحة</translation>
    </message>
    <message>
        <source>Adds 1 second to the seconds box beside it</source>
        <translation>يضيف ثانية واحدة إلى خانة الثواني المجاورة</translation>
    </message>
    <message>
        <source>Takes 1 second off the seconds box beside it</source>
        <translation>يطرح ثانية واحدة من خانة الثواني المجاورة</translation>
    </message>
    <message>
        <source>Scroll bar of %1</source>
        <translation>شريط تمرير %1</translation>
    </message>
    <message>
        <source>Moves the view up and down</source>
        <translation>يحرّك العرض لأعلى ولأسفل</translation>
    </message>
    <message>
        <source>Moves the view left and right</source>
        <translation>يحرّك العرض يمينًا ويسارًا</translation>
    </message>
</context>
<context>
    <name>WindowKeys</name>
    <message>
        <source>Space, Enter</source>
        <translation>مسافة، Enter</translation>
    </message>
    <message>
        <source>the focused button; after Play, Mark Line</source>
        <translation>الزر ذو التركيز؛ وبعد التشغيل «تعليم السطر»</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>تشغيل / إيقاف مؤقت</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Ctrl+Left, Ctrl+Right</source>
        <translation>Ctrl+Left, Ctrl+Right</translation>
    </message>
    <message>
        <source>3 seconds back, forward</source>
        <translation>3 ثوانٍ للخلف، للأمام</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>replay the selected line from 2 s before it and mark it again</source>
        <translation>إعادة تشغيل السطر المحدد من قبله بثانيتين وتعليمه من جديد</translation>
    </message>
    <message>
        <source>Ctrl+Down, Ctrl+Up</source>
        <translation>Ctrl+Down, Ctrl+Up</translation>
    </message>
    <message>
        <source>play slower, faster (0.5× to 1.5×, the pitch stays)</source>
        <translation>تشغيل أبطأ، أسرع (من 0.5× إلى 1.5×، وتبقى طبقة الصوت)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>سرعة عادية</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Up, Ctrl+Shift+Down</source>
        <translation>Ctrl+Shift+Up, Ctrl+Shift+Down</translation>
    </message>
    <message>
        <source>reaction delay 50 ms longer, shorter</source>
        <translation>زمن رد الفعل أطول، أقصر بـ 50 ms</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>measure the reaction delay: Mark Line at each click</source>
        <translation>قياس زمن رد الفعل: «تعليم السطر» عند كل نقرة</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Left, Ctrl+Shift+Right</source>
        <translation>Ctrl+Shift+Left, Ctrl+Shift+Right</translation>
    </message>
    <message>
        <source>selected lines 1 second earlier, later</source>
        <translation>الأسطر المحددة أبكر، أبطأ بثانية</translation>
    </message>
    <message>
        <source>Alt+Left, Alt+Right</source>
        <translation>Alt+Left, Alt+Right</translation>
    </message>
    <message>
        <source>lines selected (or the strip&apos;s word) 0.1 s earlier, later; replay</source>
        <translation>الأسطر المحددة (أو كلمة الشريط) أبكر، أبطأ بـ 0.1 s؛ وإعادة التشغيل</translation>
    </message>
    <message>
        <source>Alt+Shift+Left, Alt+Shift+Right</source>
        <translation>Alt+Shift+Left, Alt+Shift+Right</translation>
    </message>
    <message>
        <source>the same by 0.01 s</source>
        <translation>الشيء نفسه بـ 0.01 s</translation>
    </message>
    <message>
        <source>Shift+Up, Shift+Down, Shift/Ctrl+click</source>
        <translation>Shift+Up، Shift+Down، Shift/Ctrl+نقرة</translation>
    </message>
    <message>
        <source>select several lines for Adjust Selected Line and the nudges</source>
        <translation>تحديد عدة أسطر لـ«ضبط السطر المحدد» وللتحريكات الصغيرة</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>word marking on / off: Mark Line stamps the line&apos;s next word</source>
        <translation>تعليم الكلمات تشغيل / إيقاف: يختم «تعليم السطر» الكلمة التالية في السطر</translation>
    </message>
    <message>
        <source>Ctrl+Shift+K</source>
        <translation>Ctrl+Shift+K</translation>
    </message>
    <message>
        <source>keep precise times on / off: Save also writes Song.lrc</source>
        <translation>حفظ الأوقات الدقيقة تشغيل / إيقاف: يكتب «حفظ» أيضًا Song.lrc</translation>
    </message>
    <message>
        <source>Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>undo; redo</source>
        <translation>تراجع؛ إعادة</translation>
    </message>
    <message>
        <source>Insert, Delete, Ctrl+L</source>
        <translation>Insert, Delete, Ctrl+L</translation>
    </message>
    <message>
        <source>Insert Line, Remove Line, Add Line To End</source>
        <translation>إدراج سطر، حذف سطر، إضافة سطر في النهاية</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>تحرير الكلمات المحددة</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>accept the selected line&apos;s suggested time</source>
        <translation>قبول الوقت المقترح للسطر المحدد</translation>
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
        <translation>السطر السابق، التالي (في القائمة أو على زر)</translation>
    </message>
    <message>
        <source>Ctrl+O, Ctrl+S</source>
        <translation>Ctrl+O, Ctrl+S</translation>
    </message>
    <message>
        <source>open a song, Save</source>
        <translation>فتح أغنية، حفظ</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>write Song.lrc beside the song</source>
        <translation>كتابة Song.lrc بجانب الأغنية</translation>
    </message>
    <message>
        <source>Ctrl+Shift+E</source>
        <translation>Ctrl+Shift+E</translation>
    </message>
    <message>
        <source>write the marked lines into the song&apos;s tag (SYLT)</source>
        <translation>كتابة الأسطر المعلَّمة في وسم الأغنية (SYLT)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T</source>
        <translation>Ctrl+Shift+T</translation>
    </message>
    <message>
        <source>write subtitles for a video: Song.srt, Song.vtt and Song.ass</source>
        <translation>كتابة ترجمات لفيديو: Song.srt وSong.vtt وSong.ass</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>read the Song.lrc beside the song</source>
        <translation>قراءة Song.lrc الذي بجانب الأغنية</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>in the text panel: back to the sheet, the text kept, nothing saved</source>
        <translation>في لوحة النص: العودة إلى الورقة، مع بقاء النص ودون حفظ شيء</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this list, until the next key or click</source>
        <translation>هذه القائمة، حتى المفتاح أو النقرة التالية</translation>
    </message>
    <message>
        <source>%1 is not available now.</source>
        <translation>«%1» غير متاح الآن.</translation>
    </message>
    <message>
        <source>Adjust Selected Line is not available now.</source>
        <translation>«ضبط السطر المحدد» غير متاح الآن.</translation>
    </message>
    <message>
        <source>Space or Enter when it has the focus (Tab moves it)</source>
        <translation>المسافة أو Enter حين يكون عليه التركيز (ينقله Tab)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Ctrl+P plays and pauses</source>
        <translation>Ctrl+P يشغّل ويوقف مؤقتًا</translation>
    </message>
    <message>
        <source>Space: Play puts the focus here. Ctrl+R replays the selected line to mark it again; Ctrl+T measures your reaction delay</source>
        <translation>المسافة: ينقل التشغيل التركيز إلى هنا. يعيد Ctrl+R تشغيل السطر المحدد لتعليمه من جديد؛ ويقيس Ctrl+T زمن رد فعلك</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete (Ctrl+Z brings the line back)</source>
        <translation>Delete (يعيد Ctrl+Z السطر)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>F2, or a double click on the line</source>
        <translation>F2، أو نقرة مزدوجة على السطر</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Right, Ctrl+Shift+Left move the line 1 second later, earlier</source>
        <translation>يحرّك Ctrl+Shift+Right وCtrl+Shift+Left السطر أبطأ، أبكر بثانية</translation>
    </message>
    <message>
        <source>Up in the list</source>
        <translation>Up في القائمة</translation>
    </message>
    <message>
        <source>Down in the list</source>
        <translation>Down في القائمة</translation>
    </message>
    <message>
        <source>Ctrl+O, or drop a song on the window</source>
        <translation>Ctrl+O، أو أفلت أغنية على النافذة</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Space or Enter when it has the focus, or drop a text file on the panel</source>
        <translation>المسافة أو Enter حين يكون عليه التركيز، أو أفلت ملفًا نصيًا على اللوحة</translation>
    </message>
    <message>
        <source>%1 F1 lists every key.</source>
        <translation>%1 يعرض F1 كل المفاتيح.</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>loop the selected line (or the strip&apos;s word) until pressed again</source>
        <translation>تكرار السطر المحدد (أو كلمة الشريط) في حلقة حتى الضغط مرة أخرى</translation>
    </message>
    <message>
        <source>drag in the word strip</source>
        <translation>السحب في شريط الكلمات</translation>
    </message>
    <message>
        <source>move a word&apos;s start (onto the voice&apos;s onset; Shift: freely)</source>
        <translation>تحريك بداية الكلمة (إلى بداية الصوت؛ Shift: بحرية)</translation>
    </message>
    <message>
        <source>Ctrl+wheel in the word strip</source>
        <translation>Ctrl+العجلة في شريط الكلمات</translation>
    </message>
    <message>
        <source>zoom around the pointer; the wheel then scrolls</source>
        <translation>التكبير حول المؤشر؛ ثم تمرّر العجلة</translation>
    </message>
    <message>
        <source>Ctrl+Shift+H</source>
        <translation>Ctrl+Shift+H</translation>
    </message>
    <message>
        <source>split the strip&apos;s word into syllables at the pointer</source>
        <translation>تقسيم كلمة الشريط إلى مقاطع عند المؤشر</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>split the strip&apos;s selected word into all its syllables</source>
        <translation>تقسيم الكلمة المحددة في الشريط إلى كل مقاطعها</translation>
    </message>
    <message>
        <source>accept every confident suggested time (word marking on: and word time)</source>
        <translation>قبول كل وقت مقترح موثوق (مع تعليم الكلمات: وأوقات الكلمات أيضًا)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>accept the selected line&apos;s suggested word times (hollow ticks)</source>
        <translation>قبول أوقات الكلمات المقترحة للسطر المحدد (العلامات المجوّفة)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>bring back the changes left unsaved when the song was closed</source>
        <translation>استعادة التغييرات التي لم تُحفظ عند إغلاق الأغنية</translation>
    </message>
    <message>
        <source>Save is not available while the song plays: Pause or Stop first.</source>
        <translation>لا يمكن الحفظ أثناء تشغيل الأغنية: أوقفها مؤقتًا أو أوقفها أولًا.</translation>
    </message>
    <message>
        <source>Nothing to save: the sheet is as it was opened or last saved. Ctrl+E writes Song.lrc with its precise times now.</source>
        <translation>لا شيء للحفظ: الورقة كما فُتحت أو كما حُفظت آخر مرة. Ctrl+E يكتب Song.lrc بأوقاته الدقيقة الآن.</translation>
    </message>
    <message>
        <source>Nothing to save: the sheet is as it was opened or last saved.</source>
        <translation>لا شيء للحفظ: الورقة كما فُتحت أو كما حُفظت آخر مرة.</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>in the text panel: the lines to the sheet, the tag left as it is</source>
        <translation>في لوحة النص: الأسطر إلى الورقة، والوسم كما هو</translation>
    </message>
    <message>
        <source>Ctrl+S; Ctrl+Return puts the lines on the sheet and leaves the song&apos;s tag as it is</source>
        <translation>Ctrl+S؛ يضع Ctrl+Return الأسطر في الورقة ويترك وسم الأغنية كما هو</translation>
    </message>
    <message>
        <source>Nothing to save: the lyrics text is empty.</source>
        <translation>لا شيء للحفظ: نص الكلمات فارغ.</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Open a song</source>
        <translation>فتح أغنية</translation>
    </message>
    <message>
        <source>By</source>
        <translation>بمقدار</translation>
    </message>
    <message>
        <source>Secs.</source>
        <translation>ثانية</translation>
    </message>
    <message>
        <source>Window contents</source>
        <translation>محتوى النافذة</translation>
    </message>
    <message>
        <source>All of the window&apos;s controls</source>
        <translation>جميع عناصر التحكم في النافذة</translation>
    </message>
    <message>
        <source>The screen is too small for the whole window: its controls scroll</source>
        <translation>الشاشة أصغر من أن تعرض النافذة كلها: عناصر التحكم فيها تُمرَّر</translation>
    </message>
    <message>
        <source>Scroll bar</source>
        <translation>شريط التمرير</translation>
    </message>
</context>
<context>
    <name>WordEdits</name>
    <message>
        <source>&quot;%1&quot; stayed at its time.</source>
        <translation>بقيت «%1» عند وقتها.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; now starts at %2%3; Ctrl+Z puts it back.</source>
        <translation>تبدأ «%1» الآن عند %2%3؛ ويعيدها Ctrl+Z.</translation>
    </message>
    <message>
        <source>, and line %1 with it</source>
        <translation>، ومعها السطر %1</translation>
    </message>
    <message>
        <source>Point inside a timed word in the strip to split it there.</source>
        <translation>أشر داخل كلمة لها وقت في الشريط لتقسيمها هناك.</translation>
    </message>
    <message>
        <source>Point further inside &quot;%1&quot; to split it.</source>
        <translation>أشر إلى داخل «%1» أكثر لتقسيمها.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too short to split.</source>
        <translation>«%1» أقصر من أن تُقسَّم.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be split there.</source>
        <translation>تعذّر تقسيم «%1» هناك.</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into &quot;%2-%3&quot;%4 at %5; Ctrl+Z joins it again.</source>
        <translation>قُسّمت «%1» إلى «%2-%3»%4 عند %5؛ ويعيد Ctrl+Z وصلها.</translation>
    </message>
    <message>
        <source> (one syllable: split at the pointer)</source>
        <translation> (مقطع واحد: قُسّمت عند المؤشر)</translation>
    </message>
    <message>
        <source>That word has one syllable, or no time yet.</source>
        <translation>لهذه الكلمة مقطع واحد، أو ليس لها وقت بعد.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is sung too briefly to split into syllables.</source>
        <translation>تُغنّى «%1» بسرعة لا تسمح بتقسيمها إلى مقاطع.</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into %2; drag each syllable to its start.</source>
        <translation>قُسّمت «%1» إلى %2؛ اسحب كل مقطع إلى بدايته.</translation>
    </message>
    <message>
        <source>That word has no time yet: mark it with word marking on (Ctrl+W), or take the line&apos;s suggested word times (Ctrl+Shift+W).</source>
        <translation>لا وقت لهذه الكلمة بعد: علّمها وتعليم الكلمات مفعّل (Ctrl+W)، أو خذ أوقات الكلمات المقترحة للسطر (Ctrl+Shift+W).</translation>
    </message>
    <message>
        <source>Time the line&apos;s words first, then split one: mark them with word marking on (Ctrl+W), or take their suggested times (Ctrl+Shift+W).</source>
        <translation>وقّت كلمات السطر أولًا ثم قسّم إحداها: علّمها وتعليم الكلمات مفعّل (Ctrl+W)، أو خذ أوقاتها المقترحة (Ctrl+Shift+W).</translation>
    </message>
</context>
<context>
    <name>WordStrip</name>
    <message>
        <source>%1, not marked yet</source>
        <translation>%1، لم يُعلَّم بعد</translation>
    </message>
    <message>
        <source>The selected line&apos;s words at their times. A click selects the word and plays from there; drag a word to move its start (Shift: not onto the voice&apos;s onsets); Ctrl+wheel zooms. Alt+Left, Alt+Right nudge the selected word.</source>
        <translation>كلمات السطر المحدد عند أوقاتها. تحدّد النقرة الكلمة وتشغّل من هناك؛ واسحب كلمة لتحريك بدايتها (Shift: دون الالتصاق ببدايات الصوت)؛ ويكبّر Ctrl+العجلة. ويحرّك Alt+Left وAlt+Right الكلمة المحددة.</translation>
    </message>
    <message>
        <source>Hollow tick: “%1” suggested at %2, not saved until accepted. %3</source>
        <translation>علامة مجوّفة: «%1» مقترحة عند %2، ولا تُحفظ حتى تُقبل. %3</translation>
    </message>
    <message>
        <source>%1, suggested %2</source>
        <translation>%1، مقترحة %2</translation>
    </message>
</context>
<context>
    <name>WordTiming</name>
    <message>
        <source>Nudges move lines of the lyric sheet: show it first.</source>
        <translation>التحريكات الصغيرة تنقل أسطر ورقة الكلمات: اعرضها أولًا.</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W accepts the line&apos;s suggested word times; a word you mark stays and the rest follow it.</source>
        <translation>يقبل Ctrl+Shift+W أوقات الكلمات المقترحة للسطر؛ وتبقى الكلمة التي تعلّمها ويتبعها الباقي.</translation>
    </message>
    <message>
        <source>Loop ended; the song plays on.</source>
        <translation>انتهت الحلقة؛ تستمر الأغنية.</translation>
    </message>
    <message>
        <source>Select a marked line to loop it.</source>
        <translation>حدّد سطرًا معلَّمًا لتكراره في حلقة.</translation>
    </message>
    <message>
        <source>That word has no time to loop yet.</source>
        <translation>ليس لهذه الكلمة وقت لتكرارها بعد.</translation>
    </message>
    <message>
        <source>Line %1 has no time to loop yet.</source>
        <translation>ليس للسطر %1 وقت لتكراره بعد.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>السطر %1</translation>
    </message>
    <message>
        <source>Looping %1 (%2 to %3): drag or nudge while it plays; Ctrl+Shift+R ends the loop.</source>
        <translation>تكرار %1 (من %2 إلى %3): اسحب أو حرّك أثناء التشغيل؛ وينهي Ctrl+Shift+R الحلقة.</translation>
    </message>
    <message>
        <source>Loop ended: what it played has no time any more.</source>
        <translation>انتهت الحلقة: لم يعد لما كانت تشغّله وقت.</translation>
    </message>
    <message>
        <source>Split a word in the word strip: select a line whose words are timed (Ctrl+W marks them).</source>
        <translation>تقسيم كلمة في شريط الكلمات: حدّد سطرًا لكلماته أوقات (يعلّمها Ctrl+W).</translation>
    </message>
    <message>
        <source>Point in the word strip where the syllable starts, then press Ctrl+Shift+H.</source>
        <translation>أشر في شريط الكلمات إلى حيث يبدأ المقطع، ثم اضغط Ctrl+Shift+H.</translation>
    </message>
    <message>
        <source>Select a word in the word strip to split it into its syllables.</source>
        <translation>حدّد كلمة في شريط الكلمات لتقسيمها إلى مقاطعها.</translation>
    </message>
</context>
<context>
    <name>frmSychLyrics</name>
    <message>
        <source> No Lyrics Found For  -  %1</source>
        <translation> لم يُعثر على كلمات لـ  -  %1</translation>
    </message>
    <message>
        <source>Load Lyrics From Text</source>
        <translation>تحميل الكلمات من النص</translation>
    </message>
    <message>
        <source>Pause or stop the song before reading %1 into the sheet.</source>
        <translation>أوقف الأغنية أو أوقفها مؤقتًا قبل قراءة %1 إلى الورقة.</translation>
    </message>
    <message>
        <source>the timed lyrics</source>
        <translation>الكلمات المؤقتة</translation>
    </message>
    <message>
        <source>%1 is not a song. Drop a song on the window, or a text file of lyrics on the lyrics text panel.</source>
        <translation>%1 ليس أغنية. أفلت أغنية على النافذة، أو ملفًا نصيًا للكلمات على لوحة نص الكلمات.</translation>
    </message>
    <message>
        <source>The unsaved changes to the lyrics of %1 are kept: open it again and press Ctrl+Shift+O to bring them back.</source>
        <translation>احتُفظ بالتغييرات غير المحفوظة على كلمات %1: افتحها مرة أخرى واضغط Ctrl+Shift+O لاستعادتها.</translation>
    </message>
    <message>
        <source>The unsaved changes to the lyrics of %1 could not be kept: %2</source>
        <translation>تعذّر الاحتفاظ بالتغييرات غير المحفوظة على كلمات %1: %2</translation>
    </message>
    <message>
        <source>Changes to these lyrics were left unsaved on %1: Ctrl+Shift+O brings them back.</source>
        <translation>بقيت تغييرات على هذه الكلمات دون حفظ في %1: Ctrl+Shift+O يستعيدها.</translation>
    </message>
    <message>
        <source>Pause or stop the song before bringing back its unsaved changes.</source>
        <translation>أوقف الأغنية مؤقتًا أو نهائيًا قبل استعادة تغييراتها غير المحفوظة.</translation>
    </message>
    <message>
        <source>Open a song before putting its lyrics on the sheet.</source>
        <translation>افتح أغنية قبل وضع كلماتها في الورقة.</translation>
    </message>
    <message>
        <source>The lyrics are on the sheet; the song&apos;s tag is as it was. Save writes them to %1.</source>
        <translation>الكلمات في الورقة؛ وسم الأغنية كما كان. يكتبها الحفظ في %1.</translation>
    </message>
</context>
</TS>
