<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AdjustControls</name>
    <message>
        <source>%1: %2, so it was left unchanged.</source>
        <translation>%1: %2, así que se dejó sin cambios.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n lines were left unchanged; %2.</source>
        <translation>
            <numerusform>%1: %n línea se dejó sin cambios; %2.</numerusform>
            <numerusform>%1: %n líneas se dejaron sin cambios; %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Adjust Selected Line</source>
        <translation>Ajustar línea elegida</translation>
    </message>
    <message>
        <source>Adjust All Lines</source>
        <translation>Ajustar todas</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n selected lines adjusted.</source>
        <translation>
            <numerusform>%1: %n línea seleccionada ajustada.</numerusform>
            <numerusform>%1: %n líneas seleccionadas ajustadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: line %2 has no time to move.</source>
        <translation>%1: la línea %2 no tiene tiempo que mover.</translation>
    </message>
    <message>
        <source>%1: the amount is too large to step.</source>
        <translation>%1: la cantidad es demasiado grande para avanzar.</translation>
    </message>
    <message>
        <source>%1: the spinner stops at %2 seconds; type a larger amount.</source>
        <translation>%1: las flechas se detienen en %2 segundos; escriba una cantidad mayor.</translation>
    </message>
    <message>
        <source>%1: type the seconds to move by in the box beside it.</source>
        <translation>%1: escriba en la casilla de al lado los segundos que desea desplazar.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number of seconds, so nothing was moved.</source>
        <translation>%1: «%2» no es un número de segundos, así que no se ha movido nada.</translation>
    </message>
</context>
<context>
    <name>AlignAudio</name>
    <message>
        <source>it holds no audio that could be decoded</source>
        <translation>no contiene audio que se pueda decodificar</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot save the lyrics to %1: %2; the file there before is unchanged</source>
        <translation>No se puede guardar la letra en %1: %2; el archivo que había allí no ha cambiado</translation>
    </message>
    <message>
        <source>it is %1, not a regular file</source>
        <translation>es %1, no un archivo normal</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>it lies on a file system mounted read-only</source>
        <translation>está en un sistema de archivos montado como solo lectura</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la carpeta %1 es de solo lectura</translation>
    </message>
    <message>
        <source>its folder takes no temporary file</source>
        <translation>su carpeta no admite un archivo temporal</translation>
    </message>
    <message>
        <source>a new file could not be given its owner and group</source>
        <translation>no se pudo dar a un archivo nuevo su propietario y su grupo</translation>
    </message>
    <message>
        <source>the file could not be written in full</source>
        <translation>no se pudo escribir el archivo completo</translation>
    </message>
    <message>
        <source>Cannot save the lyrics to %1: %2</source>
        <translation>No se puede guardar la letra en %1: %2</translation>
    </message>
    <message>
        <source>Saved %1 in place: %2, so the save was not atomic</source>
        <translation>%1 se guardó sobre sí mismo: %2, así que el guardado no fue atómico</translation>
    </message>
    <message>
        <source>Cannot save the lyrics to %1: %2; nothing was written</source>
        <translation>No se puede guardar la letra en %1: %2; no se escribió nada</translation>
    </message>
</context>
<context>
    <name>AudioFormats</name>
    <message>
        <source>the Vorbis comment LYRICS</source>
        <translation>el comentario Vorbis LYRICS</translation>
    </message>
    <message>
        <source>the MP4 lyrics item (©lyr)</source>
        <translation>el elemento de letra MP4 (©lyr)</translation>
    </message>
    <message>
        <source>the ID3v2 tag (USLT)</source>
        <translation>la etiqueta ID3v2 (USLT)</translation>
    </message>
    <message>
        <source>MP3s (*.mp3);;Audio files (%1)</source>
        <translation>MP3 (*.mp3);;Archivos de audio (%1)</translation>
    </message>
</context>
<context>
    <name>AudioLayout</name>
    <message>
        <source>its format has no lyrics field here</source>
        <translation>su formato no tiene aquí un campo de letra</translation>
    </message>
    <message>
        <source>it is not a FLAC file</source>
        <translation>no es un archivo FLAC</translation>
    </message>
    <message>
        <source>its FLAC metadata is cut short</source>
        <translation>sus metadatos FLAC están cortados</translation>
    </message>
    <message>
        <source>its stream information is damaged</source>
        <translation>su información de flujo está dañada</translation>
    </message>
    <message>
        <source>its Vorbis comments are damaged</source>
        <translation>sus comentarios Vorbis están dañados</translation>
    </message>
    <message>
        <source>the lyrics are too long for a FLAC comment block</source>
        <translation>la letra es demasiado larga para un bloque de comentarios FLAC</translation>
    </message>
    <message>
        <source>it is not an MP4 file</source>
        <translation>no es un archivo MP4</translation>
    </message>
    <message>
        <source>the lyrics are too long for its tag</source>
        <translation>la letra es demasiado larga para su etiqueta</translation>
    </message>
    <message>
        <source>it is a fragmented MP4 file, whose audio could not be moved</source>
        <translation>es un archivo MP4 fragmentado, cuyo audio no se pudo mover</translation>
    </message>
    <message>
        <source>its chunk offsets are damaged</source>
        <translation>sus desplazamientos de fragmentos están dañados</translation>
    </message>
    <message>
        <source>its chunk offsets would not fit</source>
        <translation>sus desplazamientos de fragmentos no cabrían</translation>
    </message>
    <message>
        <source>it is not an Ogg file</source>
        <translation>no es un archivo Ogg</translation>
    </message>
    <message>
        <source>it holds no Vorbis, Opus or FLAC audio</source>
        <translation>no contiene audio Vorbis, Opus ni FLAC</translation>
    </message>
    <message>
        <source>its Ogg header pages are damaged</source>
        <translation>sus páginas de cabecera Ogg están dañadas</translation>
    </message>
    <message>
        <source>its header pages hold audio too, which this program does not lay out anew</source>
        <translation>sus páginas de cabecera también contienen audio, que este programa no reorganiza</translation>
    </message>
    <message>
        <source>its Ogg header pages are damaged (a checksum does not match)</source>
        <translation>sus páginas de cabecera Ogg están dañadas (una suma de comprobación no coincide)</translation>
    </message>
    <message>
        <source>it is not a WAV file</source>
        <translation>no es un archivo WAV</translation>
    </message>
    <message>
        <source>its format chunk is damaged</source>
        <translation>su fragmento de formato está dañado</translation>
    </message>
    <message>
        <source>the lyrics are too long for a WAV chunk</source>
        <translation>la letra es demasiado larga para un fragmento WAV</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>create it with: velmora-dbsetup &quot;%1&quot;</source>
        <translation>créela con: velmora-dbsetup &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 not found; %2</source>
        <translation>no se encontró %1; %2</translation>
    </message>
    <message>
        <source>%1 is a folder, not the jukebox database; move it aside and %2</source>
        <translation>%1 es una carpeta, no la base de datos de la jukebox; apártela y %2</translation>
    </message>
    <message>
        <source>Cannot read the jukebox database %1: allow this program to read and write it</source>
        <translation>No se puede leer la base de datos de la jukebox %1: permita a este programa leerla y escribirla</translation>
    </message>
    <message>
        <source>%1 is an Access (Jet) database; this program needs the SQLite form of the jukebox database: move the file aside and %2</source>
        <translation>%1 es una base de datos de Access (Jet); este programa necesita la forma SQLite de la base de datos de la jukebox: aparte el archivo y %2</translation>
    </message>
    <message>
        <source>%1 is not a database; move it aside and %2</source>
        <translation>%1 no es una base de datos; apártelo y %2</translation>
    </message>
    <message>
        <source>The jukebox database %1 has no table %2; add it with: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</source>
        <translation>La base de datos de la jukebox %1 no tiene la tabla %2; añádala con: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The jukebox database %1 lacks the column %2 that &quot;%3&quot; needs; the Lyrics table must have LineNumber, FileName, TimeMarker and LyricLine</source>
        <translation>A la base de datos de la jukebox %1 le falta la columna %2 que necesita &quot;%3&quot;; la tabla Lyrics debe tener LineNumber, FileName, TimeMarker y LyricLine</translation>
    </message>
    <message>
        <source>The jukebox database %1 is locked by another program (the jukebox?); try again in a moment</source>
        <translation>La base de datos de la jukebox %1 está bloqueada por otro programa (¿la jukebox?); inténtelo de nuevo en un momento</translation>
    </message>
    <message>
        <source>The jukebox database %1 is read-only; allow writing to it and to its folder</source>
        <translation>La base de datos de la jukebox %1 es de solo lectura; permita escribir en ella y en su carpeta</translation>
    </message>
    <message>
        <source>The jukebox database %1 could not be written: the disk is full</source>
        <translation>No se pudo escribir la base de datos de la jukebox %1: el disco está lleno</translation>
    </message>
    <message>
        <source>Cannot use the jukebox database %1 (%2); the disk may be full, or this program may not be allowed to read and write it and its folder</source>
        <translation>No se puede usar la base de datos de la jukebox %1 (%2); puede que el disco esté lleno o que este programa no tenga permiso para leerla y escribirla, ni su carpeta</translation>
    </message>
    <message>
        <source>Cannot open the jukebox database %1 (%2); allow this program to read and write it and its folder</source>
        <translation>No se puede abrir la base de datos de la jukebox %1 (%2); permita a este programa leer y escribir en ella y en su carpeta</translation>
    </message>
    <message>
        <source>The jukebox database %1 refused &quot;%2&quot;: %3</source>
        <translation>La base de datos de la jukebox %1 rechazó &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>%1 is not a regular file (%2); move it aside and %3</source>
        <translation>%1 no es un archivo normal (%2); apártelo y %3</translation>
    </message>
    <message>
        <source>The jukebox database %1 has a trigger &quot;%2&quot; on its Lyrics table, which this program will not run; remove it with: sqlite3 &quot;%1&quot; &apos;DROP TRIGGER &quot;%2&quot;&apos;</source>
        <translation>La base de datos de la jukebox %1 tiene un disparador &quot;%2&quot; en su tabla Lyrics, que este programa no ejecutará; quítelo con: sqlite3 &quot;%1&quot; &apos;DROP TRIGGER &quot;%2&quot;&apos;</translation>
    </message>
    <message>
        <source>The jukebox database %1 holds Lyrics as a %2, not a plain table; replace it with: sqlite3 &quot;%1&quot; &apos;DROP %3 Lyrics&apos; and then: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</source>
        <translation>La base de datos de la jukebox %1 guarda Lyrics como %2, no como una tabla simple; sustitúyala con: sqlite3 &quot;%1&quot; &apos;DROP %3 Lyrics&apos; y después: velmora-dbsetup --schema | sqlite3 &quot;%1&quot;</translation>
    </message>
    <message>
        <source>virtual table</source>
        <translation>tabla virtual</translation>
    </message>
    <message>
        <source>No jukebox database is set yet; Save or Play sets it to the program&apos;s folder</source>
        <translation>Aún no hay una base de datos de la jukebox; Guardar o Reproducir la sitúa en la carpeta del programa</translation>
    </message>
    <message>
        <source>Qt&apos;s SQLite driver is missing; install the package libqt6sql6-sqlite</source>
        <translation>Falta el controlador SQLite de Qt; instale el paquete libqt6sql6-sqlite</translation>
    </message>
</context>
<context>
    <name>DatabaseSchema</name>
    <message>
        <source>Cannot create the jukebox database %1: %2</source>
        <translation>No se puede crear la base de datos de la jukebox %1: %2</translation>
    </message>
    <message>
        <source>%1 already exists; it was left as it is</source>
        <translation>%1 ya existe; se dejó como está</translation>
    </message>
    <message>
        <source>a file of that name appeared</source>
        <translation>apareció un archivo con ese nombre</translation>
    </message>
</context>
<context>
    <name>EspeakPhonemizer</name>
    <message>
        <source>espeak-ng&apos;s American English voice is not installed</source>
        <translation>la voz de inglés americano de espeak-ng no está instalada</translation>
    </message>
</context>
<context>
    <name>FfmpegDecoder</name>
    <message>
        <source>it holds no audio that could be decoded</source>
        <translation>no contiene audio que se pueda decodificar</translation>
    </message>
</context>
<context>
    <name>FileBar</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>AddLyrics</source>
        <translation>Añadir letra</translation>
    </message>
    <message>
        <source>Show Unsynched Lyrics</source>
        <translation>Mostrar letra sin sincronizar</translation>
    </message>
</context>
<context>
    <name>FormatTags</name>
    <message>
        <source>%1 is %2, not a song.</source>
        <translation>%1 es %2, no una canción.</translation>
    </message>
    <message>
        <source>the audio would have changed</source>
        <translation>el audio habría cambiado</translation>
    </message>
    <message>
        <source>the lyrics would not read back as written</source>
        <translation>la letra no se leería tal como se escribió</translation>
    </message>
    <message>
        <source>its tag holds fields that could not be kept as they are (%1)</source>
        <translation>su etiqueta tiene campos que no se podían conservar tal como están (%1)</translation>
    </message>
    <message>
        <source>the synchronized lyrics</source>
        <translation>la letra sincronizada</translation>
    </message>
    <message>
        <source>Wrote %1, %2 of them timed, into %3 of %4 as LRC text.</source>
        <translation>Se escribieron %1, %2 de ellas con tiempo, en %3 de %4 como texto LRC.</translation>
    </message>
    <message>
        <source>1 line</source>
        <translation>1 línea</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Id3v2Splice</name>
    <message>
        <source>its ID3v2.2 tag is compressed, which no reader undoes</source>
        <translation>su etiqueta ID3v2.2 está comprimida, y ningún lector la descomprime</translation>
    </message>
    <message>
        <source>its tag holds frames that could not be kept as they are (%1)</source>
        <translation>su etiqueta tiene marcos que no se podían conservar tal como están (%1)</translation>
    </message>
    <message>
        <source>the lyrics would make its tag larger than a tag can be</source>
        <translation>la letra haría su etiqueta más grande de lo que puede ser una etiqueta</translation>
    </message>
</context>
<context>
    <name>KeptCopy</name>
    <message>
        <source>Did not save: %1 was changed on disk after the sheet was read, and no copy of it could be kept (%2); the file there is unchanged.</source>
        <translation>No se guardó: %1 cambió en el disco después de leer la hoja, y no se pudo guardar una copia (%2); el archivo sigue sin cambios.</translation>
    </message>
    <message>
        <source>Did not save: the sheet does not hold all of %1, and no copy of it could be kept (%2); the file there is unchanged.</source>
        <translation>No se guardó: la hoja no contiene todo %1, y no se pudo guardar una copia (%2); el archivo sigue sin cambios.</translation>
    </message>
    <message>
        <source>every name for a copy is taken</source>
        <translation>todos los nombres para una copia están ocupados</translation>
    </message>
    <message>
        <source>%1 was changed on disk after the sheet was read, so the file there before is kept as %2.</source>
        <translation>%1 cambió en el disco después de leer la hoja, así que el archivo anterior se conserva como %2.</translation>
    </message>
    <message>
        <source>The sheet does not hold all of %1, so the file there before is kept as %2.</source>
        <translation>La hoja no contiene todo %1, así que el archivo anterior se conserva como %2.</translation>
    </message>
</context>
<context>
    <name>KeyOverlay</name>
    <message>
        <source>Page %1 of %2: %3 turns the page</source>
        <translation>Página %1 de %2: %3 pasa la página</translation>
    </message>
</context>
<context>
    <name>LyricAligner</name>
    <message>
        <source>%1: suggestions are rough, lines spread by syllables between marks. Mark a few lines and they improve.</source>
        <translation>%1: las sugerencias son aproximadas, con las líneas repartidas por sílabas entre las marcas. Marque algunas líneas y mejorarán.</translation>
    </message>
    <message>
        <source>The lyrics hold no words to listen for</source>
        <translation>La letra no tiene palabras que escuchar</translation>
    </message>
    <message>
        <source>The lyrics hold more than %1 words, too many to listen for</source>
        <translation>La letra tiene más de %1 palabras, demasiadas para escuchar</translation>
    </message>
    <message>
        <source>The lyrics are mostly not in Latin letters, and only words in Latin letters can be heard</source>
        <translation>La letra no está mayormente en alfabeto latino, y solo se reconocen palabras en alfabeto latino</translation>
    </message>
    <message>
        <source>The lyrics are mostly not English: their words are heard as English would say them, and the suggested times stay rough guesses</source>
        <translation>La letra no está mayormente en inglés: sus palabras se oyen como se dirían en inglés, y los tiempos sugeridos siguen siendo estimaciones aproximadas</translation>
    </message>
    <message>
        <source>Could not hear a voice clearly</source>
        <translation>No se oyó claramente ninguna voz</translation>
    </message>
</context>
<context>
    <name>LyricSheet</name>
    <message>
        <source>Add Line To End</source>
        <translation>Añadir línea al final</translation>
    </message>
    <message>
        <source>Insert Line</source>
        <translation>Insertar línea</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>Quitar línea</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>Editar letra elegida</translation>
    </message>
    <message>
        <source>Mark Line at %1</source>
        <translation>Marcar línea en %1</translation>
    </message>
    <message>
        <source>Clear All Time Markings</source>
        <translation>Borrar todas las marcas</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>la línea %1 %2</translation>
    </message>
    <message>
        <source>has the time &quot;%1&quot;, which is not a number</source>
        <translation>tiene el tiempo «%1», que no es un número</translation>
    </message>
    <message>
        <source>would move outside -%1 to %1 seconds</source>
        <translation>quedaría fuera de -%1 a %1 segundos</translation>
    </message>
    <message>
        <source>cannot move by &quot;%1&quot;, which is too large</source>
        <translation>no puede moverse «%1», que es demasiado</translation>
    </message>
    <message>
        <source>Adjust All Lines</source>
        <translation>Ajustar todas</translation>
    </message>
    <message>
        <source>Adjust Selected Line</source>
        <translation>Ajustar línea elegida</translation>
    </message>
    <message>
        <source>⚠ Doubtful mark: %1. Ctrl+R replays the line to mark it again, Alt+Left or Alt+Right moves it by 0.1 s, Ctrl+G keeps it as it is.</source>
        <translation>⚠ Marca dudosa: %1. Ctrl+R repite la línea para marcarla de nuevo, Alt+Left o Alt+Right la mueve 0.1 s, Ctrl+G la deja como está.</translation>
    </message>
    <message>
        <source>Suggested time (grey): %1, not saved until accepted. Ctrl+G accepts it; Ctrl+Shift+G accepts every confident one.</source>
        <translation>Tiempo sugerido (gris): %1, no se guarda hasta aceptarlo. Ctrl+G lo acepta; Ctrl+Shift+G acepta todos los seguros.</translation>
    </message>
    <message>
        <source>heard in the song</source>
        <translation>oído en la canción</translation>
    </message>
    <message>
        <source>a rough guess</source>
        <translation>una estimación aproximada</translation>
    </message>
    <message>
        <source>suggested %1</source>
        <translation>sugerido %1</translation>
    </message>
    <message>
        <source>%1, doubtful: %2</source>
        <translation>%1, dudoso: %2</translation>
    </message>
    <message>
        <source>Lyric</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Secs</source>
        <translation>Seg.</translation>
    </message>
    <message>
        <source>%1%2 s</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <source>Mark Word &quot;%1&quot; at %2</source>
        <translation>Marcar palabra «%1» en %2</translation>
    </message>
    <message>
        <source>Nudge Word by %1</source>
        <translation>Mover palabra %1</translation>
    </message>
    <message>
        <source>Nudge Lines by %1</source>
        <translation>Mover líneas %1</translation>
    </message>
    <message>
        <source>Nudge Line by %1</source>
        <translation>Mover línea %1</translation>
    </message>
    <message>
        <source>Adjust Selected Lines</source>
        <translation>Ajustar líneas elegidas</translation>
    </message>
    <message>
        <source>Move Word &quot;%1&quot; to %2</source>
        <translation>Mover palabra «%1» a %2</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into &quot;%2&quot;</source>
        <translation>Dividir «%1» en «%2»</translation>
    </message>
</context>
<context>
    <name>LyricsXml</name>
    <message>
        <source>The song&apos;s path holds a character a lyrics file cannot hold (%1); rename the song and save again</source>
        <translation>La ruta de la canción tiene un carácter que un archivo de letra no puede contener (%1); cambie el nombre de la canción y guarde de nuevo</translation>
    </message>
    <message>
        <source>Line %1 holds a character a lyrics file cannot hold (%2); remove it and save again</source>
        <translation>La línea %1 tiene un carácter que un archivo de letra no puede contener (%2); quítelo y guarde de nuevo</translation>
    </message>
    <message>
        <source>a lyric is longer than %1 characters</source>
        <translation>una línea de letra tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>its text comes to more than %1 characters</source>
        <translation>su texto supera los %1 caracteres</translation>
    </message>
    <message>
        <source>text between elements was skipped</source>
        <translation>se omitió texto entre elementos</translation>
    </message>
    <message>
        <source>its document type declares entities, which a lyrics file never does</source>
        <translation>su tipo de documento declara entidades, algo que un archivo de letra nunca hace</translation>
    </message>
    <message>
        <source>no root element</source>
        <translation>no hay elemento raíz</translation>
    </message>
    <message>
        <source>Cannot read the lyrics file %1: %2</source>
        <translation>No se puede leer el archivo de letra %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged at line %2, column %3 (%4)</source>
        <translation>%1 está dañado en la línea %2, columna %3 (%4)</translation>
    </message>
    <message>
        <source>%1; no lines could be read from it</source>
        <translation>%1; no se pudo leer ninguna línea de él</translation>
    </message>
    <message>
        <source>%1; the sheet shows the lines before that point, and saving would drop the rest</source>
        <translation>%1; la lista muestra las líneas anteriores a ese punto, y guardar descartaría el resto</translation>
    </message>
    <message>
        <source>%1, line %2, column %3: %4</source>
        <translation>%1, línea %2, columna %3: %4</translation>
    </message>
    <message>
        <source>%1 holds %2 lines; the sheet shows the first %3 and saving now would drop the rest</source>
        <translation>%1 tiene %2 líneas; la lista muestra las primeras %3 y guardar ahora descartaría el resto</translation>
    </message>
    <message>
        <source>a control character (%1), which XML does not allow</source>
        <translation>un carácter de control (%1), que XML no permite</translation>
    </message>
</context>
<context>
    <name>MarkingSettings</name>
    <message>
        <source>the settings file %1 is %2</source>
        <translation>el archivo de ajustes %1 es %2</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: it is not in the settings format, so it is left as it is</source>
        <translation>no se puede leer el archivo de ajustes %1: no tiene el formato de ajustes, así que se deja como está</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read</source>
        <translation>no se puede leer el archivo de ajustes %1</translation>
    </message>
    <message>
        <source>the settings file %1 is not writable</source>
        <translation>no se puede escribir en el archivo de ajustes %1</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: it is not in the settings format</source>
        <translation>no se puede leer el archivo de ajustes %1: no tiene el formato de ajustes</translation>
    </message>
</context>
<context>
    <name>MediaModule</name>
    <message>
        <source>the media module %1 could not be loaded (%2)</source>
        <translation>no se pudo cargar el módulo multimedia %1 (%2)</translation>
    </message>
    <message>
        <source>the media module %1 is not in %2</source>
        <translation>el módulo multimedia %1 no está en %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ni en </translation>
    </message>
</context>
<context>
    <name>MediaServices</name>
    <message>
        <source>this program was built without its media module</source>
        <translation>este programa se compiló sin su módulo multimedia</translation>
    </message>
</context>
<context>
    <name>MissingMedia</name>
    <message>
        <source>%1 could not be loaded: %2</source>
        <translation>no se pudo cargar %1: %2</translation>
    </message>
    <message>
        <source>the audio player</source>
        <translation>el reproductor de audio</translation>
    </message>
    <message>
        <source>the audio decoder</source>
        <translation>el decodificador de audio</translation>
    </message>
    <message>
        <source>the speech recogniser</source>
        <translation>el reconocedor de voz</translation>
    </message>
    <message>
        <source>the word pronouncer</source>
        <translation>el pronunciador de palabras</translation>
    </message>
    <message>
        <source>the voice detector</source>
        <translation>el detector de voz</translation>
    </message>
</context>
<context>
    <name>ModelCheck</name>
    <message>
        <source>the English speech model in %1 is damaged (%2)</source>
        <translation>el modelo de voz en inglés de %1 está dañado (%2)</translation>
    </message>
    <message>
        <source>%1 is not as its package installed it; reinstall pocketsphinx-en-us</source>
        <translation>%1 no está como lo instaló su paquete; reinstale pocketsphinx-en-us</translation>
    </message>
    <message>
        <source>it could not be tried: %1</source>
        <translation>no se pudo probar: %1</translation>
    </message>
    <message>
        <source>loading it did not end</source>
        <translation>la carga no terminó</translation>
    </message>
    <message>
        <source>loading it crashed the recogniser with signal %1</source>
        <translation>al cargarlo, el reconocedor falló con la señal %1</translation>
    </message>
    <message>
        <source>the recogniser could not read it</source>
        <translation>el reconocedor no pudo leerlo</translation>
    </message>
</context>
<context>
    <name>MpvEngine</name>
    <message>
        <source>the audio player could not be started (libmpv)</source>
        <translation>no se pudo iniciar el reproductor de audio (libmpv)</translation>
    </message>
    <message>
        <source>the audio player could not be initialised (libmpv)</source>
        <translation>no se pudo inicializar el reproductor de audio (libmpv)</translation>
    </message>
</context>
<context>
    <name>PreciseTimes</name>
    <message>
        <source>it has %1 lines, the lyrics file %2</source>
        <translation>tiene %1 líneas y el archivo de letra %2</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>la línea %1</translation>
    </message>
    <message>
        <source>%1 has other words</source>
        <translation>%1 tiene otras palabras</translation>
    </message>
    <message>
        <source>%1 is not marked in the lyrics file</source>
        <translation>%1 no está marcada en el archivo de letra</translation>
    </message>
    <message>
        <source>%1 is marked only in the lyrics file</source>
        <translation>%1 solo está marcada en el archivo de letra</translation>
    </message>
    <message>
        <source>%1 is at %2, not in second %3 of the lyrics file</source>
        <translation>%1 está en %2, no en el segundo %3 del archivo de letra</translation>
    </message>
    <message>
        <source>%1 was not used for precise times: %2.</source>
        <translation>%1 no se usó para los tiempos precisos: %2.</translation>
    </message>
    <message>
        <source>it holds more lines than a lyrics file</source>
        <translation>tiene más líneas que un archivo de letra</translation>
    </message>
    <message>
        <source>it does not match the lyrics file (%1)</source>
        <translation>no coincide con el archivo de letra (%1)</translation>
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
        <translation>no es un archivo normal (%1)</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>algo que no es un archivo común</translation>
    </message>
    <message>
        <source>a link to nothing</source>
        <translation>un enlace que no lleva a nada</translation>
    </message>
    <message>
        <source>it is a link to %1, which cannot be looked at</source>
        <translation>es un enlace a %1, que no se puede examinar</translation>
    </message>
    <message>
        <source>it is a link to %1 outside the song&apos;s folder, which a save as root never follows</source>
        <translation>es un enlace a %1 fuera de la carpeta de la canción, que un guardado como root nunca sigue</translation>
    </message>
    <message>
        <source>it is a link to %1, a file of another owner outside the song&apos;s folder</source>
        <translation>es un enlace a %1, un archivo de otro propietario fuera de la carpeta de la canción</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>the file did not read back as written</source>
        <translation>el archivo no se leyó tal como se escribió</translation>
    </message>
    <message>
        <source>%1, and the old contents could not be put back</source>
        <translation>%1, y no se pudo restaurar el contenido anterior</translation>
    </message>
    <message>
        <source>%1, so the old contents were put back</source>
        <translation>%1, así que se restauró el contenido anterior</translation>
    </message>
    <message>
        <source>%1, so the file was left as it was</source>
        <translation>%1, así que el archivo se dejó como estaba</translation>
    </message>
</context>
<context>
    <name>RunTagSave</name>
    <message>
        <source>Saving %1 into %2…</source>
        <translation>Guardando %1 en %2…</translation>
    </message>
</context>
<context>
    <name>SheetPanel</name>
    <message>
        <source>Clear All Time Markings</source>
        <translation>Borrar todas las marcas</translation>
    </message>
    <message>
        <source>Insert Line</source>
        <translation>Insertar línea</translation>
    </message>
    <message>
        <source>Add Line To End</source>
        <translation>Añadir línea al final</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>Quitar línea</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>Editar letra elegida</translation>
    </message>
    <message>
        <source>Move Up 1 Line</source>
        <translation>Subir 1 línea</translation>
    </message>
    <message>
        <source>Move Down 1 Line</source>
        <translation>Bajar 1 línea</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Ctrl+Z undoes the last change to the sheet; Ctrl+Shift+Z or Ctrl+Y redoes it.</source>
        <translation>Ctrl+Z deshace el último cambio de la hoja; Ctrl+Shift+Z o Ctrl+Y lo rehace.</translation>
    </message>
    <message>
        <source>The line being sung, or the one selected</source>
        <translation>La línea que se canta, o la seleccionada</translation>
    </message>
    <message>
        <source>Current line</source>
        <translation>Línea actual</translation>
    </message>
    <message>
        <source>%1: the sheet has no lines.</source>
        <translation>%1: la hoja no tiene líneas.</translation>
    </message>
    <message>
        <source>%1: select a line first.</source>
        <translation>%1: primero seleccione una línea.</translation>
    </message>
    <message>
        <source>%1: the sheet already holds %2 lines, the most it can hold. Remove a line first.</source>
        <translation>%1: la hoja ya tiene %2 líneas, el máximo posible. Quite una línea primero.</translation>
    </message>
    <message>
        <source>Edit Selected Lyric:</source>
        <translation>Editar letra elegida:</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Nada que deshacer.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Nada que rehacer.</translation>
    </message>
    <message>
        <source>Undid: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Redid: %1</source>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>Suggested times can be accepted in the sheet while the song is stopped.</source>
        <translation>Los tiempos sugeridos se aceptan en la hoja con la canción detenida.</translation>
    </message>
    <message>
        <source>Removed line %1; Ctrl+Z brings it back.</source>
        <translation>Línea %1 quitada; Ctrl+Z la recupera.</translation>
    </message>
    <message>
        <source>Removed line %1, &quot;%2&quot;; Ctrl+Z brings it back.</source>
        <translation>Línea %1 («%2») quitada; Ctrl+Z la recupera.</translation>
    </message>
    <message>
        <source>No line has a time to clear.</source>
        <translation>Ninguna línea tiene un tiempo que borrar.</translation>
    </message>
    <message>
        <source>Cleared the time of 1 line; Ctrl+Z brings it back.</source>
        <translation>Borrado el tiempo de 1 línea; Ctrl+Z lo recupera.</translation>
    </message>
    <message>
        <source>Cleared the times of %1 lines; Ctrl+Z brings them back.</source>
        <translation>Borrados los tiempos de %1 líneas; Ctrl+Z los recupera.</translation>
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
        <translation>Sin tiempos sugeridos: %1. Marque las líneas mientras suena la canción.</translation>
    </message>
    <message>
        <source>Only the song&apos;s first %1 minutes get suggested times.</source>
        <translation>Solo los primeros %1 minutos de la canción reciben tiempos sugeridos.</translation>
    </message>
    <message>
        <source>No suggested times: there is not enough memory for the analysis. Mark the lines as the song plays.</source>
        <translation>Sin tiempos sugeridos: no hay memoria suficiente para el análisis. Marque las líneas mientras suena la canción.</translation>
    </message>
</context>
<context>
    <name>SongCopy</name>
    <message>
        <source>there is no such file.</source>
        <translation>no existe ese archivo.</translation>
    </message>
    <message>
        <source>it is %1, not a regular file.</source>
        <translation>es %1, no un archivo normal.</translation>
    </message>
    <message>
        <source>the file is read-only.</source>
        <translation>el archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>the temporary copy could not be written to disk.</source>
        <translation>no se pudo escribir la copia temporal en el disco.</translation>
    </message>
</context>
<context>
    <name>SongPlayback</name>
    <message>
        <source>%1; settings are not kept.</source>
        <translation>%1; los ajustes no se conservan.</translation>
    </message>
    <message>
        <source>Speed %1×</source>
        <translation>Velocidad %1×</translation>
    </message>
    <message>
        <source>reaction delay %1 ms</source>
        <translation>retardo de reacción %1 ms</translation>
    </message>
    <message>
        <source> · </source>
        <translation> · </translation>
    </message>
    <message>
        <source>Seeking works while a song is playing or paused.</source>
        <translation>Se puede saltar mientras una canción suena o está en pausa.</translation>
    </message>
    <message>
        <source>Speed %1× is the slowest.</source>
        <translation>La velocidad %1× es la más lenta.</translation>
    </message>
    <message>
        <source>Speed %1× is the fastest.</source>
        <translation>La velocidad %1× es la más rápida.</translation>
    </message>
    <message>
        <source>Normal speed.</source>
        <translation>Velocidad normal.</translation>
    </message>
    <message>
        <source>No reaction delay: marks are taken at the press.</source>
        <translation>Sin retardo de reacción: las marcas se toman al pulsar.</translation>
    </message>
    <message>
        <source> (it could not be kept for the next run: %1)</source>
        <translation> (no se pudo guardar para la próxima vez: %1)</translation>
    </message>
    <message>
        <source>Lines can be marked up to %1 into a song.</source>
        <translation>Las líneas se pueden marcar hasta %1 de la canción.</translation>
    </message>
    <message>
        <source>The clicks for measuring the reaction delay could not be written to a temporary folder.</source>
        <translation>No se pudieron escribir los clics para medir el retardo de reacción en una carpeta temporal.</translation>
    </message>
    <message>
        <source>Reaction delay: press Mark Line at each of the %1 clicks (Stop ends it).</source>
        <translation>Retardo de reacción: pulse Marcar línea en cada uno de los %1 clics (Detener termina).</translation>
    </message>
    <message>
        <source>Reaction delay: %1 of %2 clicks taken.</source>
        <translation>Retardo de reacción: %1 de %2 clics tomados.</translation>
    </message>
    <message>
        <source>Reaction delay unchanged (%1 ms): only %2 of %3 clicks were taken; Ctrl+T tries again.</source>
        <translation>Retardo de reacción sin cambios (%1 ms): solo se tomaron %2 de %3 clics; Ctrl+T lo intenta de nuevo.</translation>
    </message>
    <message>
        <source>Cannot play %1: it is %2, not a song file.</source>
        <translation>No se puede reproducir %1: es %2, no un archivo de canción.</translation>
    </message>
</context>
<context>
    <name>SongSession</name>
    <message>
        <source>1 line</source>
        <translation>1 línea</translation>
    </message>
    <message>
        <source>Open Song Without Lyrics</source>
        <translation>Abrir canción sin letra</translation>
    </message>
    <message>
        <source>%1 lies beside the song: Ctrl+I reads it into the sheet.</source>
        <translation>%1 está junto a la canción: Ctrl+I la carga en la hoja.</translation>
    </message>
    <message>
        <source>Load Lyrics File</source>
        <translation>Cargar archivo de letra</translation>
    </message>
    <message>
        <source>Load Tag Lyrics</source>
        <translation>Cargar letra de la etiqueta</translation>
    </message>
    <message>
        <source>The lyrics have %1 lines; only the first %2 are on the sheet.</source>
        <translation>La letra tiene %1 líneas; solo las primeras %2 están en la hoja.</translation>
    </message>
    <message>
        <source>No audio player is available.</source>
        <translation>No hay reproductor de audio disponible.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2; the song plays without a preview</source>
        <translation>No se puede leer %1: %2; la canción suena sin vista previa</translation>
    </message>
    <message>
        <source>%1, line element %2: the LineNumber &quot;%3&quot; is not a whole number from -32768 to 32767; the preview holds the lines before it</source>
        <translation>%1, elemento de línea %2: el LineNumber «%3» no es un entero de -32768 a 32767; la vista previa tiene las líneas anteriores</translation>
    </message>
    <message>
        <source>Open a song before %1.</source>
        <translation>Abra una canción antes de %1.</translation>
    </message>
    <message>
        <source>Open a song before saving its lyrics</source>
        <translation>Abra una canción antes de guardar su letra</translation>
    </message>
    <message>
        <source>Cannot save: the song&apos;s name &quot;%1&quot; is too short to name a lyrics file beside it</source>
        <translation>No se puede guardar: el nombre «%1» es demasiado corto para nombrar un archivo de letra a su lado</translation>
    </message>
    <message>
        <source>Saved %1, but not its precise times: %2</source>
        <translation>Guardado %1, pero no sus tiempos precisos: %2</translation>
    </message>
    <message>
        <source>Saved %1: %2, %3 marked</source>
        <translation>Guardado %1: %2, %3 marcadas</translation>
    </message>
    <message>
        <source>; the precise times in %1</source>
        <translation>; los tiempos precisos en %1</translation>
    </message>
    <message>
        <source>Cannot save the lyrics: no tag component.</source>
        <translation>No se puede guardar la letra: no hay componente de etiquetas.</translation>
    </message>
    <message>
        <source>Open a song before saving its lyrics.</source>
        <translation>Abra una canción antes de guardar su letra.</translation>
    </message>
    <message>
        <source>Saved empty lyrics into %1 of %2.</source>
        <translation>Guardada una letra vacía en %1 de %2.</translation>
    </message>
    <message>
        <source>Saved %1 of lyrics into %2 of %3.</source>
        <translation>Guardada %1 de letra en %2 de %3.</translation>
    </message>
    <message>
        <source>writing timed lyrics into its tag</source>
        <translation>escribir la letra sincronizada en su etiqueta</translation>
    </message>
    <message>
        <source>No line is marked yet, so the tag of %1 was not changed.</source>
        <translation>Aún no hay líneas marcadas, así que la etiqueta de %1 no se cambió.</translation>
    </message>
    <message>
        <source>Cannot write timed lyrics: no tag component.</source>
        <translation>No se puede escribir la letra sincronizada: no hay componente de etiquetas.</translation>
    </message>
    <message>
        <source>writing an LRC file</source>
        <translation>escribir un archivo LRC</translation>
    </message>
    <message>
        <source>No line is marked yet, so %1 was not written.</source>
        <translation>Aún no hay líneas marcadas, así que no se escribió %1.</translation>
    </message>
    <message>
        <source>Wrote %1: %2 timed lines of %3.</source>
        <translation>Escrito %1: %2 líneas con tiempo de %3.</translation>
    </message>
    <message>
        <source> </source>
        <translation> </translation>
    </message>
    <message>
        <source>writing subtitles</source>
        <translation>escribir subtítulos</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>No line is marked yet, so %1 were not written: mark lines first.</source>
        <translation>Aún no hay líneas marcadas, así que no se escribieron %1: marque líneas primero.</translation>
    </message>
    <message>
        <source>Wrote %1, but not the rest: %2</source>
        <translation>Escrito %1, pero no el resto: %2</translation>
    </message>
    <message>
        <source>Wrote %1 beside the song: %2</source>
        <translation>Escritos %1 junto a la canción: %2</translation>
    </message>
    <message>
        <source>; %1 without a time left out (mark them to include them)</source>
        <translation>; %1 sin tiempo omitidas (márquelas para incluirlas)</translation>
    </message>
    <message>
        <source>reading its LRC file</source>
        <translation>leer su archivo LRC</translation>
    </message>
    <message>
        <source>%1 has a lyrics file already (%2); drop %3 on the window to replace the sheet with it.</source>
        <translation>%1 ya tiene un archivo de letra (%2); suelte %3 en la ventana para sustituir la hoja.</translation>
    </message>
    <message>
        <source>There is no %1 beside the song.</source>
        <translation>No hay ningún %1 junto a la canción.</translation>
    </message>
    <message>
        <source>%1 holds more lines than the sheet&apos;s %2; the sheet was left as it was.</source>
        <translation>%1 tiene más líneas que las %2 de la hoja; la hoja se dejó como estaba.</translation>
    </message>
    <message>
        <source>%1 holds no lyrics lines; the sheet was left as it was.</source>
        <translation>%1 no tiene líneas de letra; la hoja se dejó como estaba.</translation>
    </message>
    <message>
        <source>%1 holds no time stamps, so it is no LRC file; the sheet was left as it was.</source>
        <translation>%1 no tiene marcas de tiempo, así que no es un archivo LRC; la hoja se dejó como estaba.</translation>
    </message>
    <message>
        <source>Read LRC File</source>
        <translation>Leer archivo LRC</translation>
    </message>
    <message numerus="yes">
        <source>Read %n lines from %1; Save writes them to the lyrics file.</source>
        <translation>
            <numerusform>Leída %n línea de %1; Guardar la escribe en el archivo de letra.</numerusform>
            <numerusform>Leídas %n líneas de %1; Guardar las escribe en el archivo de letra.</numerusform>
        </translation>
    </message>
    <message>
        <source>Precise times are kept: Save also writes Song.lrc beside Song.xml, in milliseconds.</source>
        <translation>Se conservan los tiempos precisos: Guardar también escribe Song.lrc junto a Song.xml, en milisegundos.</translation>
    </message>
    <message>
        <source>Precise times are not kept: Save writes Song.xml alone, in whole seconds.</source>
        <translation>No se conservan los tiempos precisos: Guardar escribe solo Song.xml, en segundos enteros.</translation>
    </message>
    <message>
        <source> It lasts until the window closes: %1.</source>
        <translation> Dura hasta que se cierre la ventana: %1.</translation>
    </message>
    <message>
        <source>Word marking is on, and word times live only in Song.lrc: turn it off first.</source>
        <translation>El marcado de palabras está activo y sus tiempos solo viven en Song.lrc: desactívelo primero.</translation>
    </message>
    <message>
        <source>Word marking is off: Mark Line stamps the next line.</source>
        <translation>Marcado de palabras desactivado: Marcar línea sella la siguiente línea.</translation>
    </message>
    <message>
        <source>Word marking is on: Mark Line stamps the next word of the line.</source>
        <translation>Marcado de palabras activo: Marcar línea sella la siguiente palabra de la línea.</translation>
    </message>
    <message>
        <source>%1%2 s</source>
        <translation>%1%2 s</translation>
    </message>
    <message>
        <source>Select a line to nudge.</source>
        <translation>Seleccione una línea para moverla.</translation>
    </message>
    <message>
        <source>That word has no time to nudge yet.</source>
        <translation>Esa palabra aún no tiene tiempo que mover.</translation>
    </message>
    <message>
        <source>The selected lines have no time to nudge.</source>
        <translation>Las líneas seleccionadas no tienen tiempo que mover.</translation>
    </message>
    <message>
        <source>The time cannot move before the song&apos;s start.</source>
        <translation>El tiempo no puede ir antes del inicio de la canción.</translation>
    </message>
    <message numerus="yes">
        <source>; %n without a time stayed</source>
        <translation>
            <numerusform>; %n sin tiempo se quedó</numerusform>
            <numerusform>; %n sin tiempo se quedaron</numerusform>
        </translation>
    </message>
    <message>
        <source>Adjust Selected Line: %1, so it was left unchanged.</source>
        <translation>Ajustar línea elegida: %1, así que se dejó sin cambios.</translation>
    </message>
    <message numerus="yes">
        <source>Adjust Selected Line: %n lines were left unchanged; %1.</source>
        <translation>
            <numerusform>Ajustar línea elegida: %n línea se dejó sin cambios; %1.</numerusform>
            <numerusform>Ajustar línea elegida: %n líneas se dejaron sin cambios; %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <translation>
            <numerusform>%n línea</numerusform>
            <numerusform>%n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>Lines %1–%2</source>
        <translation>Líneas %1–%2</translation>
    </message>
    <message>
        <source>%1 lines from line %2</source>
        <translation>%1 líneas desde la línea %2</translation>
    </message>
    <message>
        <source>Lines %1 and %2</source>
        <translation>Líneas %1 y %2</translation>
    </message>
    <message>
        <source>Word “%1” of line %2 moved %3 to %4.</source>
        <translation>La palabra «%1» de la línea %2 se movió %3 hasta %4.</translation>
    </message>
    <message>
        <source>%1 moved %2%3.</source>
        <translation>%1: desplazamiento de %2%3.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 hasta %2</translation>
    </message>
    <message>
        <source>Wrote %1: 1 timed line of %2.</source>
        <translation>Escrito %1: 1 línea con tiempo de %2.</translation>
    </message>
    <message>
        <source>Bring Back Unsaved Changes</source>
        <translation>Recuperar cambios sin guardar</translation>
    </message>
    <message>
        <source>Brought back the %1 kept unsaved on %2; Save writes them to the lyrics file, Ctrl+Z takes them back.</source>
        <translation>Se recuperaron las %1 guardadas sin grabar el %2; Guardar las escribe en el archivo de letra, Ctrl+Z las deshace.</translation>
    </message>
</context>
<context>
    <name>SongSuggestions</name>
    <message>
        <source>Suggesting times… %1 %</source>
        <translation>Sugiriendo tiempos… %1 %</translation>
    </message>
    <message>
        <source>Accept Suggested Time: select a line first.</source>
        <translation>Aceptar tiempo sugerido: primero seleccione una línea.</translation>
    </message>
    <message>
        <source>Line %1 keeps its mark.</source>
        <translation>La línea %1 conserva su marca.</translation>
    </message>
    <message>
        <source>Accept Suggested Time: line %1 has no suggested time.</source>
        <translation>Aceptar tiempo sugerido: la línea %1 no tiene tiempo sugerido.</translation>
    </message>
    <message>
        <source>Accept Suggested Time</source>
        <translation>Aceptar tiempo sugerido</translation>
    </message>
    <message>
        <source>Line %1 takes its suggested time.</source>
        <translation>La línea %1 toma su tiempo sugerido.</translation>
    </message>
    <message>
        <source>Accept Suggested Times: the suggestions are not ready yet.</source>
        <translation>Aceptar tiempos sugeridos: las sugerencias aún no están listas.</translation>
    </message>
    <message>
        <source>Accept Suggested Times: no confident suggestion to accept.</source>
        <translation>Aceptar tiempos sugeridos: no hay ninguna sugerencia segura que aceptar.</translation>
    </message>
    <message>
        <source>Accept Suggested Times</source>
        <translation>Aceptar tiempos sugeridos</translation>
    </message>
    <message numerus="yes">
        <source>%n lines take their suggested times.</source>
        <translation>
            <numerusform>%n línea toma su tiempo sugerido.</numerusform>
            <numerusform>%n líneas toman sus tiempos sugeridos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 words in %2 lines take their suggested times.</source>
        <translation>%1 palabras en %2 líneas toman sus tiempos sugeridos.</translation>
    </message>
    <message>
        <source>%1 lines take their suggested times; %2 words in %3 lines take theirs.</source>
        <translation>%1 líneas toman sus tiempos sugeridos; %2 palabras en %3 líneas, los suyos.</translation>
    </message>
    <message>
        <source>Accept Word Times: select a line first.</source>
        <translation>Aceptar tiempos de palabras: seleccione primero una línea.</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1&apos;s words are not ready yet.</source>
        <translation>Aceptar tiempos de palabras: las palabras de la línea %1 aún no están listas.</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1 has no suggested word times; the next line needs its time first.</source>
        <translation>Aceptar tiempos de palabras: la línea %1 no tiene tiempos de palabras sugeridos; primero la línea siguiente necesita su tiempo.</translation>
    </message>
    <message>
        <source>Accept Word Times: line %1 has no time yet; mark it first.</source>
        <translation>Aceptar tiempos de palabras: la línea %1 aún no tiene tiempo; márquela primero.</translation>
    </message>
    <message>
        <source>Accept Word Times</source>
        <translation>Aceptar tiempos de palabras</translation>
    </message>
    <message>
        <source>Line %1 takes %2 suggested word times.</source>
        <translation>La línea %1 toma %2 tiempos de palabras sugeridos.</translation>
    </message>
    <message>
        <source>Line %1 is marked already; Ctrl+Shift+W takes its suggested word times.</source>
        <translation>La línea %1 ya está marcada; Ctrl+Shift+W toma sus tiempos de palabra sugeridos.</translation>
    </message>
    <message>
        <source>Line %1 is marked already.</source>
        <translation>La línea %1 ya está marcada.</translation>
    </message>
</context>
<context>
    <name>SphinxRecogniser</name>
    <message>
        <source>the English speech model is not installed (%1)</source>
        <translation>el modelo de voz en inglés no está instalado (%1)</translation>
    </message>
    <message>
        <source>the English speech model could not be loaded (%1)</source>
        <translation>no se pudo cargar el modelo de voz en inglés (%1)</translation>
    </message>
    <message>
        <source>there is not enough memory to load the English speech model</source>
        <translation>no hay memoria suficiente para cargar el modelo de voz en inglés</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>What the last action did and what to do next</source>
        <translation>Lo que hizo la última acción y qué hacer a continuación</translation>
    </message>
    <message>
        <source>%1  ·  %2</source>
        <translation>%1  ·  %2</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
    <message>
        <source>%1 failed unexpectedly.</source>
        <translation>%1 falló de forma inesperada.</translation>
    </message>
</context>
<context>
    <name>SyncedTag</name>
    <message>
        <source>%1 is %2, not a song.</source>
        <translation>%1 es %2, no una canción.</translation>
    </message>
    <message>
        <source>%1 cannot be opened.</source>
        <translation>no se puede abrir %1.</translation>
    </message>
    <message>
        <source>%1 is not an MP3 file.</source>
        <translation>%1 no es un archivo MP3.</translation>
    </message>
    <message>
        <source>Wrote 1 timed line and words into the tag of %1 (SYLT).</source>
        <translation>Se escribió 1 línea con tiempo, y sus palabras, en la etiqueta de %1 (SYLT).</translation>
    </message>
    <message>
        <source>Wrote 1 timed line into the tag of %1 (SYLT).</source>
        <translation>Se escribió 1 línea con tiempo en la etiqueta de %1 (SYLT).</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n timed lines and words into the tag of %1 (SYLT).</source>
        <translation>
            <numerusform>Se escribió %n línea con tiempo, y sus palabras, en la etiqueta de %1 (SYLT).</numerusform>
            <numerusform>Se escribieron %n líneas con tiempo, y sus palabras, en la etiqueta de %1 (SYLT).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n timed lines into the tag of %1 (SYLT).</source>
        <translation>
            <numerusform>Se escribió %n línea con tiempo en la etiqueta de %1 (SYLT).</numerusform>
            <numerusform>Se escribieron %n líneas con tiempo en la etiqueta de %1 (SYLT).</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot save the synchronized lyrics into %1: its format has no SYLT frame.</source>
        <translation>No se puede guardar la letra sincronizada en %1: su formato no tiene marco SYLT.</translation>
    </message>
    <message>
        <source>the lines would not read back as written</source>
        <translation>las líneas no se leerían tal como se escribieron</translation>
    </message>
    <message>
        <source>the synchronized lyrics</source>
        <translation>la letra sincronizada</translation>
    </message>
</context>
<context>
    <name>TagComponent</name>
    <message>
        <source>Timed lyrics cannot be written into the tag of %1 here.</source>
        <translation>Aquí no se puede escribir letra con tiempos en la etiqueta de %1.</translation>
    </message>
</context>
<context>
    <name>TagLibComponent</name>
    <message>
        <source>The tag frame &quot;%1&quot; is not supported.</source>
        <translation>El marco de etiqueta &quot;%1&quot; no es compatible.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: it is a folder, not a song.</source>
        <translation>No se puede leer la etiqueta de %1: es una carpeta, no una canción.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: it is %2, not a song.</source>
        <translation>No se puede leer la etiqueta de %1: es %2, no una canción.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: there is no such file.</source>
        <translation>No se puede leer la etiqueta de %1: no existe ese archivo.</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1</source>
        <translation>No se puede leer la etiqueta: %1</translation>
    </message>
    <message>
        <source>Cannot read the tag of %1: the file cannot be opened.</source>
        <translation>No se puede leer la etiqueta de %1: no se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>The lyrics hold a character a tag cannot hold (U+%1); remove it and save again.</source>
        <translation>La letra tiene un carácter que una etiqueta no puede contener (U+%1); quítelo y guarde de nuevo.</translation>
    </message>
    <message>
        <source>the lyrics</source>
        <translation>la letra</translation>
    </message>
</context>
<context>
    <name>TagSave</name>
    <message>
        <source>%1, so the song was left as it was.</source>
        <translation>%1, así que la canción se dejó como estaba.</translation>
    </message>
    <message>
        <source>cannot write a temporary copy in its folder: %1</source>
        <translation>no se puede escribir una copia temporal en su carpeta: %1</translation>
    </message>
    <message>
        <source>Cannot save %1 into %2: %3</source>
        <translation>No se puede guardar %1 en %2: %3</translation>
    </message>
    <message>
        <source>its ID3v2 tag is damaged or of an unknown version.</source>
        <translation>su etiqueta ID3v2 está dañada o es de una versión desconocida.</translation>
    </message>
    <message>
        <source>it is not an MP3 file.</source>
        <translation>no es un archivo MP3.</translation>
    </message>
    <message>
        <source>its ID3v2 tag does not start the file, so the song was left as it was.</source>
        <translation>su etiqueta ID3v2 no está al principio del archivo, así que la canción se dejó como estaba.</translation>
    </message>
    <message>
        <source>its folder takes no temporary file</source>
        <translation>su carpeta no admite un archivo temporal</translation>
    </message>
    <message>
        <source>the disk is full, so the song was left as it was.</source>
        <translation>el disco está lleno, así que la canción se dejó como estaba.</translation>
    </message>
    <message>
        <source>the audio would have changed, so the song was left as it was.</source>
        <translation>el audio habría cambiado, así que la canción se dejó como estaba.</translation>
    </message>
    <message>
        <source>its tag holds frames that could not be kept as they are (%1), so the song was left as it was.</source>
        <translation>su etiqueta tiene marcos que no se podían conservar tal como están (%1), así que la canción se dejó como estaba.</translation>
    </message>
    <message>
        <source>the lyrics would not read back as written</source>
        <translation>la letra no se leería tal como se escribió</translation>
    </message>
    <message>
        <source>a new file could not be given its owner</source>
        <translation>no se pudo dar a un archivo nuevo su propietario</translation>
    </message>
    <message>
        <source>%1 were saved into %2 in place: %3, so the save was not atomic.</source>
        <translation>%1 se guardó directamente en %2: %3, así que el guardado no fue atómico.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1, and the song could not be put back as it was.</source>
        <translation>%1, y no se pudo devolver la canción a como estaba.</translation>
    </message>
    <message>
        <source>the song did not read back as written</source>
        <translation>la canción no se leyó tal como se escribió</translation>
    </message>
    <message>
        <source>%1, so the old contents were put back.</source>
        <translation>%1, así que se restauró el contenido anterior.</translation>
    </message>
    <message>
        <source>%1, and the old contents could not be put back.</source>
        <translation>%1, y no se pudo restaurar el contenido anterior.</translation>
    </message>
    <message>
        <source>%1, so it was left as it was.</source>
        <translation>%1, así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>cannot write a temporary copy in its folder (%1), so the song was left as it was.</source>
        <translation>no se puede escribir una copia temporal en su carpeta (%1), así que la canción se dejó como estaba.</translation>
    </message>
    <message>
        <source>cannot copy the song: %1, so it was left as it was.</source>
        <translation>no se puede copiar la canción: %1, así que se dejó como estaba.</translation>
    </message>
    <message>
        <source>it is cut short</source>
        <translation>está cortada</translation>
    </message>
    <message>
        <source>it belongs to another user, and the new copy cannot be made theirs, so the song was left as it was.</source>
        <translation>pertenece a otro usuario y la copia nueva no puede ser suya, así que la canción se dejó como estaba.</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>%1 is a folder, not a text file.</source>
        <translation>%1 es una carpeta, no un archivo de texto.</translation>
    </message>
    <message>
        <source>%1 is too large for lyrics (%2 MB; the limit is %3 MB).</source>
        <translation>%1 es demasiado grande para una letra (%2 MB; el límite es %3 MB).</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is too large for lyrics.</source>
        <translation>%1 es demasiado grande para una letra.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 no es un archivo de texto.</translation>
    </message>
</context>
<context>
    <name>TextPanel</name>
    <message>
        <source>Paste From Clipboard</source>
        <translation>Pegar del portapapeles</translation>
    </message>
    <message>
        <source>Get Lyrics From Text File</source>
        <translation>Letra desde archivo de texto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>the lyrics</source>
        <translation>la letra</translation>
    </message>
    <message>
        <source> Ctrl+Return puts the lines on the sheet without the tag; Save there writes %1.</source>
        <translation> Ctrl+Return pone las líneas en la hoja sin la etiqueta; Guardar las escribe luego en %1.</translation>
    </message>
    <message>
        <source>Nothing to put on the sheet: the lyrics text is empty.</source>
        <translation>Nada que poner en la hoja: el texto de la letra está vacío.</translation>
    </message>
</context>
<context>
    <name>TimingFlag</name>
    <message>
        <source>marked %1 s later than the voice suggests</source>
        <translation>marcada %1 s más tarde de lo que sugiere la voz</translation>
    </message>
    <message>
        <source>marked %1 s earlier than the voice suggests</source>
        <translation>marcada %1 s antes de lo que sugiere la voz</translation>
    </message>
    <message>
        <source>marked where no voice is heard</source>
        <translation>marcada donde no se oye ninguna voz</translation>
    </message>
    <message>
        <source>; </source>
        <translation>; </translation>
    </message>
</context>
<context>
    <name>Transport</name>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Mark Line</source>
        <translation>Marcar línea</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Replay</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Replay: line %1 has no time yet; mark it first.</source>
        <translation>Repetir: la línea %1 aún no tiene tiempo; márquela primero.</translation>
    </message>
    <message>
        <source>Replaying line %1: Mark Line marks it again.</source>
        <translation>Repitiendo la línea %1: Marcar línea la vuelve a marcar.</translation>
    </message>
    <message>
        <source>Stop the song (with the lyric sheet shown) to measure the reaction delay.</source>
        <translation>Detenga la canción (con la hoja de letra visible) para medir el retardo de reacción.</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>No unsaved changes to these lyrics were kept.</source>
        <translation>No se conservaron cambios sin guardar de esta letra.</translation>
    </message>
</context>
<context>
    <name>WindowHelp</name>
    <message>
        <source>Open a song (Ctrl+O) or drop one here</source>
        <translation>Abra una canción (Ctrl+O) o suéltela aquí</translation>
    </message>
    <message>
        <source>No lines. Ctrl+L adds one; Ctrl+O opens another song.</source>
        <translation>No hay líneas. Ctrl+L añade una; Ctrl+O abre otra canción.</translation>
    </message>
    <message>
        <source>The song: a click or a drag plays from there. A thin tick is a marked line, a hollow tick at the foot a suggested time (Ctrl+G accepts the selected line&apos;s, Ctrl+Shift+G every confident one).</source>
        <translation>La canción: un clic o un arrastre reproduce desde ahí. Una raya fina es una línea marcada, una raya hueca al pie un tiempo sugerido (Ctrl+G acepta el de la línea elegida, Ctrl+Shift+G todos los seguros).</translation>
    </message>
    <message>
        <source>Mark when each lyric line is sung: Play, then Space at each line.</source>
        <translation>Marque cuándo se canta cada línea: Reproducir y luego Espacio en cada línea.</translation>
    </message>
    <message>
        <source>Open a song</source>
        <translation>Abrir una canción</translation>
    </message>
    <message>
        <source>Song file</source>
        <translation>Archivo de canción</translation>
    </message>
    <message>
        <source>The song that is open</source>
        <translation>La canción abierta</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>The open song&apos;s folder and file name</source>
        <translation>Carpeta y nombre de archivo de la canción abierta</translation>
    </message>
    <message>
        <source>Song folder</source>
        <translation>Carpeta de la canción</translation>
    </message>
    <message>
        <source>Song file name</source>
        <translation>Nombre de archivo de la canción</translation>
    </message>
    <message>
        <source>Lyric sheet</source>
        <translation>Hoja de letra</translation>
    </message>
    <message>
        <source>The lines with their times, the player and the editing buttons</source>
        <translation>Las líneas con sus tiempos, el reproductor y los botones de edición</translation>
    </message>
    <message>
        <source>Lyric lines</source>
        <translation>Líneas de la letra</translation>
    </message>
    <message>
        <source>Each line&apos;s number, lyric and time. A suggested time is read as suggested; Ctrl+G accepts it. The Menu key lists what can be done with the selected line. Empty until a song is opened (Ctrl+O).</source>
        <translation>Número, letra y tiempo de cada línea. Un tiempo sugerido se lee como sugerido; Ctrl+G lo acepta. La tecla Menú muestra lo que se puede hacer con la línea elegida. Vacía hasta que se abre una canción (Ctrl+O).</translation>
    </message>
    <message>
        <source>Words of the selected line</source>
        <translation>Palabras de la línea elegida</translation>
    </message>
    <message>
        <source>Song position</source>
        <translation>Posición en la canción</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Every key of the window; any key or click closes it</source>
        <translation>Todas las teclas de la ventana; cualquier tecla o clic la cierra</translation>
    </message>
    <message>
        <source>Song time</source>
        <translation>Tiempo de la canción</translation>
    </message>
    <message>
        <source>Where the song is, of how long</source>
        <translation>Dónde va la canción, y cuánto dura</translation>
    </message>
    <message>
        <source>Seconds to adjust the selected line by</source>
        <translation>Segundos para ajustar la línea elegida</translation>
    </message>
    <message>
        <source>Fractions and negative numbers are allowed; &quot;.&quot; is the decimal point</source>
        <translation>Se admiten fracciones y números negativos; «.» es el separador decimal</translation>
    </message>
    <message>
        <source>Seconds to adjust all lines by</source>
        <translation>Segundos para ajustar todas las líneas</translation>
    </message>
    <message>
        <source>selected line</source>
        <translation>la línea elegida</translation>
    </message>
    <message>
        <source>all lines</source>
        <translation>todas las líneas</translation>
    </message>
    <message>
        <source>Step the seconds for %1</source>
        <translation>Cambiar los segundos para %1</translation>
    </message>
    <message>
        <source>1 second up or down</source>
        <translation>1 segundo arriba o abajo</translation>
    </message>
    <message>
        <source>One more second for %1</source>
        <translation>Un segundo más para %1</translation>
    </message>
    <message>
        <source>One less second for %1</source>
        <translation>Un segundo menos para %1</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Lyrics text</source>
        <translation>Texto de la letra</translation>
    </message>
    <message>
        <source>Type, paste or load the lyrics; Save writes them into the song&apos;s tag and turns them into lines. Escape goes back without saving.</source>
        <translation>Escriba, pegue o cargue la letra; Guardar la escribe en la etiqueta de la canción y la convierte en líneas. Escape vuelve sin guardar.</translation>
    </message>
    <message>
        <source>Lyrics</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>Accept the suggested time</source>
        <translation>Aceptar el tiempo sugerido</translation>
    </message>
    <message>
        <source>Accept every confident suggested time</source>
        <translation>Aceptar todos los tiempos sugeridos seguros</translation>
    </message>
    <message>
        <source>Replay the line to mark it again</source>
        <translation>Repetir la línea para marcarla de nuevo</translation>
    </message>
    <message>
        <source>0.1 s earlier</source>
        <translation>0.1 s antes</translation>
    </message>
    <message>
        <source>0.1 s later</source>
        <translation>0.1 s después</translation>
    </message>
    <message>
        <source>1 second earlier</source>
        <translation>1 segundo antes</translation>
    </message>
    <message>
        <source>1 second later</source>
        <translation>1 segundo después</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Every key</source>
        <translation>Todas las teclas</translation>
    </message>
    <message>
        <source>Word marking on or off</source>
        <translation>Marcado de palabras sí o no</translation>
    </message>
    <message>
        <source>The selected word 0.1 s earlier</source>
        <translation>La palabra elegida 0.1 s antes</translation>
    </message>
    <message>
        <source>The selected word 0.1 s later</source>
        <translation>La palabra elegida 0.1 s después</translation>
    </message>
    <message>
        <source>The selected word 0.01 s earlier</source>
        <translation>La palabra elegida 0.01 s antes</translation>
    </message>
    <message>
        <source>The selected word 0.01 s later</source>
        <translation>La palabra elegida 0.01 s después</translation>
    </message>
    <message>
        <source>Keep precise times on or off</source>
        <translation>Conservar tiempos precisos sí o no</translation>
    </message>
    <message>
        <source>Each word with its time. Alt+Left and Alt+Right move the selected word by 0.1 s; Ctrl+W turns word marking on and off; Ctrl+Shift+R loops the word; Ctrl+Shift+H splits it at the pointer.</source>
        <translation>Cada palabra con su tiempo. Alt+Left y Alt+Right mueven la palabra elegida 0.1 s; Ctrl+W activa y desactiva el marcado de palabras; Ctrl+Shift+R repite la palabra en bucle; Ctrl+Shift+H la divide en el puntero.</translation>
    </message>
    <message>
        <source>Accept the suggested word times</source>
        <translation>Aceptar los tiempos de palabras sugeridos</translation>
    </message>
    <message>
        <source>Loop the selected word or line on or off</source>
        <translation>Bucle de la palabra o línea elegida sí o no</translation>
    </message>
    <message>
        <source>Split the word into syllables here</source>
        <translation>Dividir la palabra en sílabas aquí</translation>
    </message>
    <message>
        <source>Split the selected word into its syllables</source>
        <translation>Dividir la palabra elegida en sus sílabas</translation>
    </message>
    <message>
        <source>The open song&apos;s folder</source>
        <translation>La carpeta de la canción abierta</translation>
    </message>
    <message>
        <source>The open song&apos;s file name</source>
        <translation>El nombre de archivo de la canción abierta</translation>
    </message>
    <message>
        <source>Adds 1 second to the seconds box beside it</source>
        <translation>Suma 1 segundo a la casilla de segundos de al lado</translation>
    </message>
    <message>
        <source>Takes 1 second off the seconds box beside it</source>
        <translation>Resta 1 segundo a la casilla de segundos de al lado</translation>
    </message>
    <message>
        <source>Scroll bar of %1</source>
        <translation>Barra de desplazamiento de %1</translation>
    </message>
    <message>
        <source>Moves the view up and down</source>
        <translation>Mueve la vista hacia arriba y hacia abajo</translation>
    </message>
    <message>
        <source>Moves the view left and right</source>
        <translation>Mueve la vista a la izquierda y a la derecha</translation>
    </message>
</context>
<context>
    <name>WindowKeys</name>
    <message>
        <source>Space, Enter</source>
        <translation>Espacio, Intro</translation>
    </message>
    <message>
        <source>the focused button; after Play, Mark Line</source>
        <translation>el botón con el foco; tras Reproducir, Marcar línea</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Play / Pause</source>
        <translation>Reproducir / Pausa</translation>
    </message>
    <message>
        <source>Ctrl+.</source>
        <translation>Ctrl+.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Ctrl+Left, Ctrl+Right</source>
        <translation>Ctrl+Left, Ctrl+Right</translation>
    </message>
    <message>
        <source>3 seconds back, forward</source>
        <translation>3 segundos atrás, adelante</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>replay the selected line from 2 s before it and mark it again</source>
        <translation>repetir la línea elegida desde 2 s antes y marcarla de nuevo</translation>
    </message>
    <message>
        <source>Ctrl+Down, Ctrl+Up</source>
        <translation>Ctrl+Down, Ctrl+Up</translation>
    </message>
    <message>
        <source>play slower, faster (0.5× to 1.5×, the pitch stays)</source>
        <translation>reproducir más lento, más rápido (0.5× a 1.5×, el tono se mantiene)</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>normal speed</source>
        <translation>velocidad normal</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Up, Ctrl+Shift+Down</source>
        <translation>Ctrl+Shift+Up, Ctrl+Shift+Down</translation>
    </message>
    <message>
        <source>reaction delay 50 ms longer, shorter</source>
        <translation>retardo de reacción 50 ms más largo, más corto</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>measure the reaction delay: Mark Line at each click</source>
        <translation>medir el retardo de reacción: Marcar línea en cada clic</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Left, Ctrl+Shift+Right</source>
        <translation>Ctrl+Shift+Left, Ctrl+Shift+Right</translation>
    </message>
    <message>
        <source>selected lines 1 second earlier, later</source>
        <translation>líneas elegidas 1 segundo antes, después</translation>
    </message>
    <message>
        <source>Alt+Left, Alt+Right</source>
        <translation>Alt+Left, Alt+Right</translation>
    </message>
    <message>
        <source>lines selected (or the strip&apos;s word) 0.1 s earlier, later; replay</source>
        <translation>líneas elegidas (o la palabra de la tira) 0.1 s antes, después; repetir</translation>
    </message>
    <message>
        <source>Alt+Shift+Left, Alt+Shift+Right</source>
        <translation>Alt+Shift+Left, Alt+Shift+Right</translation>
    </message>
    <message>
        <source>the same by 0.01 s</source>
        <translation>lo mismo en 0.01 s</translation>
    </message>
    <message>
        <source>Shift+Up, Shift+Down, Shift/Ctrl+click</source>
        <translation>Shift+Up, Shift+Down, Shift/Ctrl+clic</translation>
    </message>
    <message>
        <source>select several lines for Adjust Selected Line and the nudges</source>
        <translation>elegir varias líneas para Ajustar línea elegida y los pequeños ajustes</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>word marking on / off: Mark Line stamps the line&apos;s next word</source>
        <translation>marcado de palabras sí / no: Marcar línea sella la siguiente palabra</translation>
    </message>
    <message>
        <source>Ctrl+Shift+K</source>
        <translation>Ctrl+Shift+K</translation>
    </message>
    <message>
        <source>keep precise times on / off: Save also writes Song.lrc</source>
        <translation>conservar tiempos precisos sí / no: Guardar también escribe Song.lrc</translation>
    </message>
    <message>
        <source>Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y</source>
        <translation>Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y</translation>
    </message>
    <message>
        <source>undo; redo</source>
        <translation>deshacer; rehacer</translation>
    </message>
    <message>
        <source>Insert, Delete, Ctrl+L</source>
        <translation>Insert, Delete, Ctrl+L</translation>
    </message>
    <message>
        <source>Insert Line, Remove Line, Add Line To End</source>
        <translation>Insertar línea, Quitar línea, Añadir línea al final</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Edit Selected Lyric</source>
        <translation>Editar letra elegida</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>accept the selected line&apos;s suggested time</source>
        <translation>aceptar el tiempo sugerido de la línea elegida</translation>
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
        <translation>línea anterior, siguiente (en la lista o en un botón)</translation>
    </message>
    <message>
        <source>Ctrl+O, Ctrl+S</source>
        <translation>Ctrl+O, Ctrl+S</translation>
    </message>
    <message>
        <source>open a song, Save</source>
        <translation>abrir una canción, Guardar</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>write Song.lrc beside the song</source>
        <translation>escribir Song.lrc junto a la canción</translation>
    </message>
    <message>
        <source>Ctrl+Shift+E</source>
        <translation>Ctrl+Shift+E</translation>
    </message>
    <message>
        <source>write the marked lines into the song&apos;s tag (SYLT)</source>
        <translation>escribir las líneas marcadas en la etiqueta de la canción (SYLT)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+T</source>
        <translation>Ctrl+Shift+T</translation>
    </message>
    <message>
        <source>write subtitles for a video: Song.srt, Song.vtt and Song.ass</source>
        <translation>escribir subtítulos para un vídeo: Song.srt, Song.vtt y Song.ass</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>read the Song.lrc beside the song</source>
        <translation>leer el Song.lrc junto a la canción</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>in the text panel: back to the sheet, the text kept, nothing saved</source>
        <translation>en el panel de texto: volver a la hoja, el texto se conserva, nada se guarda</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>this list, until the next key or click</source>
        <translation>esta lista, hasta la siguiente tecla o clic</translation>
    </message>
    <message>
        <source>%1 is not available now.</source>
        <translation>%1 no está disponible ahora.</translation>
    </message>
    <message>
        <source>Adjust Selected Line is not available now.</source>
        <translation>Ajustar línea elegida no está disponible ahora.</translation>
    </message>
    <message>
        <source>Space or Enter when it has the focus (Tab moves it)</source>
        <translation>Espacio o Intro cuando tiene el foco (Tab lo mueve)</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Ctrl+P plays and pauses</source>
        <translation>Ctrl+P reproduce y pausa</translation>
    </message>
    <message>
        <source>Space: Play puts the focus here. Ctrl+R replays the selected line to mark it again; Ctrl+T measures your reaction delay</source>
        <translation>Espacio: Reproducir pone el foco aquí. Ctrl+R repite la línea elegida para marcarla de nuevo; Ctrl+T mide su retardo de reacción</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete (Ctrl+Z brings the line back)</source>
        <translation>Supr (Ctrl+Z recupera la línea)</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>F2, or a double click on the line</source>
        <translation>F2, o doble clic en la línea</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Right, Ctrl+Shift+Left move the line 1 second later, earlier</source>
        <translation>Ctrl+Shift+Right, Ctrl+Shift+Left mueven la línea 1 segundo después, antes</translation>
    </message>
    <message>
        <source>Up in the list</source>
        <translation>Flecha arriba en la lista</translation>
    </message>
    <message>
        <source>Down in the list</source>
        <translation>Flecha abajo en la lista</translation>
    </message>
    <message>
        <source>Ctrl+O, or drop a song on the window</source>
        <translation>Ctrl+O, o suelte una canción en la ventana</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Space or Enter when it has the focus, or drop a text file on the panel</source>
        <translation>Espacio o Intro cuando tiene el foco, o suelte un archivo de texto en el panel</translation>
    </message>
    <message>
        <source>%1 F1 lists every key.</source>
        <translation>%1 F1 muestra todas las teclas.</translation>
    </message>
    <message>
        <source>Ctrl+Shift+R</source>
        <translation>Ctrl+Shift+R</translation>
    </message>
    <message>
        <source>loop the selected line (or the strip&apos;s word) until pressed again</source>
        <translation>repetir en bucle la línea elegida (o la palabra de la tira) hasta pulsarla de nuevo</translation>
    </message>
    <message>
        <source>drag in the word strip</source>
        <translation>arrastrar en la tira de palabras</translation>
    </message>
    <message>
        <source>move a word&apos;s start (onto the voice&apos;s onset; Shift: freely)</source>
        <translation>mover el inicio de una palabra (al ataque de la voz; Shift: libremente)</translation>
    </message>
    <message>
        <source>Ctrl+wheel in the word strip</source>
        <translation>Ctrl+rueda en la tira de palabras</translation>
    </message>
    <message>
        <source>zoom around the pointer; the wheel then scrolls</source>
        <translation>ampliar alrededor del puntero; luego la rueda desplaza</translation>
    </message>
    <message>
        <source>Ctrl+Shift+H</source>
        <translation>Ctrl+Shift+H</translation>
    </message>
    <message>
        <source>split the strip&apos;s word into syllables at the pointer</source>
        <translation>dividir la palabra de la tira en sílabas en el puntero</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>split the strip&apos;s selected word into all its syllables</source>
        <translation>dividir la palabra elegida de la tira en todas sus sílabas</translation>
    </message>
    <message>
        <source>accept every confident suggested time (word marking on: and word time)</source>
        <translation>aceptar todos los tiempos sugeridos seguros (marcado de palabras sí: y de palabras)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>accept the selected line&apos;s suggested word times (hollow ticks)</source>
        <translation>aceptar los tiempos de palabras sugeridos de la línea elegida (marcas huecas)</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>bring back the changes left unsaved when the song was closed</source>
        <translation>recuperar los cambios sin guardar al cerrar la canción</translation>
    </message>
    <message>
        <source>Save is not available while the song plays: Pause or Stop first.</source>
        <translation>No se puede guardar mientras suena la canción: primero Pausa o Detener.</translation>
    </message>
    <message>
        <source>Nothing to save: the sheet is as it was opened or last saved. Ctrl+E writes Song.lrc with its precise times now.</source>
        <translation>Nada que guardar: la hoja está como se abrió o se guardó por última vez. Ctrl+E escribe ahora Song.lrc con sus tiempos precisos.</translation>
    </message>
    <message>
        <source>Nothing to save: the sheet is as it was opened or last saved.</source>
        <translation>Nada que guardar: la hoja está como se abrió o se guardó por última vez.</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>in the text panel: the lines to the sheet, the tag left as it is</source>
        <translation>en el panel de texto: las líneas a la hoja, la etiqueta como estaba</translation>
    </message>
    <message>
        <source>Ctrl+S; Ctrl+Return puts the lines on the sheet and leaves the song&apos;s tag as it is</source>
        <translation>Ctrl+S; Ctrl+Return pone las líneas en la hoja y deja la etiqueta de la canción como está</translation>
    </message>
    <message>
        <source>Nothing to save: the lyrics text is empty.</source>
        <translation>Nada que guardar: el texto de la letra está vacío.</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>Open a song</source>
        <translation>Abrir una canción</translation>
    </message>
    <message>
        <source>By</source>
        <translation>En</translation>
    </message>
    <message>
        <source>Secs.</source>
        <translation>seg.</translation>
    </message>
    <message>
        <source>Window contents</source>
        <translation>Contenido de la ventana</translation>
    </message>
    <message>
        <source>All of the window&apos;s controls</source>
        <translation>Todos los controles de la ventana</translation>
    </message>
    <message>
        <source>The screen is too small for the whole window: its controls scroll</source>
        <translation>La pantalla es demasiado pequeña para toda la ventana: sus controles se desplazan</translation>
    </message>
    <message>
        <source>Scroll bar</source>
        <translation>Barra de desplazamiento</translation>
    </message>
</context>
<context>
    <name>WordEdits</name>
    <message>
        <source>&quot;%1&quot; stayed at its time.</source>
        <translation>«%1» se quedó en su tiempo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; now starts at %2%3; Ctrl+Z puts it back.</source>
        <translation>«%1» ahora empieza en %2%3; Ctrl+Z lo devuelve.</translation>
    </message>
    <message>
        <source>, and line %1 with it</source>
        <translation>, y la línea %1 con ella</translation>
    </message>
    <message>
        <source>Point inside a timed word in the strip to split it there.</source>
        <translation>Apunte dentro de una palabra con tiempo en la tira para dividirla ahí.</translation>
    </message>
    <message>
        <source>Point further inside &quot;%1&quot; to split it.</source>
        <translation>Apunte más adentro de «%1» para dividirla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too short to split.</source>
        <translation>«%1» es demasiado corta para dividirla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be split there.</source>
        <translation>«%1» no se pudo dividir ahí.</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into &quot;%2-%3&quot;%4 at %5; Ctrl+Z joins it again.</source>
        <translation>«%1» dividida en «%2-%3»%4 en %5; Ctrl+Z la vuelve a unir.</translation>
    </message>
    <message>
        <source> (one syllable: split at the pointer)</source>
        <translation> (una sílaba: dividida en el puntero)</translation>
    </message>
    <message>
        <source>That word has one syllable, or no time yet.</source>
        <translation>Esa palabra tiene una sola sílaba o aún no tiene tiempo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is sung too briefly to split into syllables.</source>
        <translation>«%1» se canta demasiado breve para dividirla en sílabas.</translation>
    </message>
    <message>
        <source>Split &quot;%1&quot; into %2; drag each syllable to its start.</source>
        <translation>«%1» dividida en %2; arrastre cada sílaba a su inicio.</translation>
    </message>
    <message>
        <source>That word has no time yet: mark it with word marking on (Ctrl+W), or take the line&apos;s suggested word times (Ctrl+Shift+W).</source>
        <translation>Esa palabra aún no tiene tiempo: márquela con el marcado de palabras activado (Ctrl+W) o tome los tiempos de palabra sugeridos de la línea (Ctrl+Shift+W).</translation>
    </message>
    <message>
        <source>Time the line&apos;s words first, then split one: mark them with word marking on (Ctrl+W), or take their suggested times (Ctrl+Shift+W).</source>
        <translation>Dé tiempo primero a las palabras de la línea y luego divida una: márquelas con el marcado de palabras activado (Ctrl+W) o tome sus tiempos sugeridos (Ctrl+Shift+W).</translation>
    </message>
</context>
<context>
    <name>WordStrip</name>
    <message>
        <source>%1, not marked yet</source>
        <translation>%1, aún sin marcar</translation>
    </message>
    <message>
        <source>The selected line&apos;s words at their times. A click selects the word and plays from there; drag a word to move its start (Shift: not onto the voice&apos;s onsets); Ctrl+wheel zooms. Alt+Left, Alt+Right nudge the selected word.</source>
        <translation>Las palabras de la línea elegida en sus tiempos. Un clic elige la palabra y reproduce desde ahí; arrastre una palabra para mover su inicio (Shift: sin ajustarse a los ataques de la voz); Ctrl+rueda amplía. Alt+Left, Alt+Right mueven la palabra elegida.</translation>
    </message>
    <message>
        <source>Hollow tick: “%1” suggested at %2, not saved until accepted. %3</source>
        <translation>Marca hueca: «%1» sugerida en %2; no se guarda hasta aceptarla. %3</translation>
    </message>
    <message>
        <source>%1, suggested %2</source>
        <translation>%1, sugerida %2</translation>
    </message>
</context>
<context>
    <name>WordTiming</name>
    <message>
        <source>Nudges move lines of the lyric sheet: show it first.</source>
        <translation>Los pequeños ajustes mueven líneas de la hoja de letra: muéstrela primero.</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W accepts the line&apos;s suggested word times; a word you mark stays and the rest follow it.</source>
        <translation>Ctrl+Shift+W acepta los tiempos de palabras sugeridos de la línea; una palabra que usted marque se queda y las demás la siguen.</translation>
    </message>
    <message>
        <source>Loop ended; the song plays on.</source>
        <translation>Bucle terminado; la canción sigue sonando.</translation>
    </message>
    <message>
        <source>Select a marked line to loop it.</source>
        <translation>Seleccione una línea marcada para repetirla en bucle.</translation>
    </message>
    <message>
        <source>That word has no time to loop yet.</source>
        <translation>Esa palabra aún no tiene tiempo para repetirla en bucle.</translation>
    </message>
    <message>
        <source>Line %1 has no time to loop yet.</source>
        <translation>La línea %1 aún no tiene tiempo para repetirla en bucle.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>la línea %1</translation>
    </message>
    <message>
        <source>Looping %1 (%2 to %3): drag or nudge while it plays; Ctrl+Shift+R ends the loop.</source>
        <translation>Bucle de %1 (%2 a %3): arrastre o mueva mientras suena; Ctrl+Shift+R termina el bucle.</translation>
    </message>
    <message>
        <source>Loop ended: what it played has no time any more.</source>
        <translation>Bucle terminado: lo que repetía ya no tiene tiempo.</translation>
    </message>
    <message>
        <source>Split a word in the word strip: select a line whose words are timed (Ctrl+W marks them).</source>
        <translation>Dividir una palabra en la tira de palabras: seleccione una línea con tiempos de palabras (Ctrl+W las marca).</translation>
    </message>
    <message>
        <source>Point in the word strip where the syllable starts, then press Ctrl+Shift+H.</source>
        <translation>Apunte en la tira de palabras donde empieza la sílaba y pulse Ctrl+Shift+H.</translation>
    </message>
    <message>
        <source>Select a word in the word strip to split it into its syllables.</source>
        <translation>Seleccione una palabra en la tira de palabras para dividirla en sus sílabas.</translation>
    </message>
</context>
<context>
    <name>frmSychLyrics</name>
    <message>
        <source> No Lyrics Found For  -  %1</source>
        <translation> No se encontró letra para  -  %1</translation>
    </message>
    <message>
        <source>Load Lyrics From Text</source>
        <translation>Cargar letra desde el texto</translation>
    </message>
    <message>
        <source>Pause or stop the song before reading %1 into the sheet.</source>
        <translation>Pause o detenga la canción antes de cargar %1 en la hoja.</translation>
    </message>
    <message>
        <source>the timed lyrics</source>
        <translation>la letra sincronizada</translation>
    </message>
    <message>
        <source>%1 is not a song. Drop a song on the window, or a text file of lyrics on the lyrics text panel.</source>
        <translation>%1 no es una canción. Suelte una canción en la ventana, o un archivo de texto con la letra en el panel de texto.</translation>
    </message>
    <message>
        <source>The unsaved changes to the lyrics of %1 are kept: open it again and press Ctrl+Shift+O to bring them back.</source>
        <translation>Los cambios sin guardar de la letra de %1 se conservan: ábrala de nuevo y pulse Ctrl+Shift+O para recuperarlos.</translation>
    </message>
    <message>
        <source>The unsaved changes to the lyrics of %1 could not be kept: %2</source>
        <translation>No se pudieron conservar los cambios sin guardar de la letra de %1: %2</translation>
    </message>
    <message>
        <source>Changes to these lyrics were left unsaved on %1: Ctrl+Shift+O brings them back.</source>
        <translation>Hay cambios en esta letra que quedaron sin guardar el %1: Ctrl+Shift+O los recupera.</translation>
    </message>
    <message>
        <source>Pause or stop the song before bringing back its unsaved changes.</source>
        <translation>Pause o detenga la canción antes de recuperar sus cambios sin guardar.</translation>
    </message>
    <message>
        <source>Open a song before putting its lyrics on the sheet.</source>
        <translation>Abra una canción antes de poner su letra en la hoja.</translation>
    </message>
    <message>
        <source>The lyrics are on the sheet; the song&apos;s tag is as it was. Save writes them to %1.</source>
        <translation>La letra está en la hoja; la etiqueta de la canción sigue como estaba. Guardar la escribe en %1.</translation>
    </message>
</context>
</TS>
