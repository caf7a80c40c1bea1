<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Author</name>
    <message>
        <location filename="../app/author/main.cpp" line="+54"/>
        <source>Try &apos;tildora-author --help&apos;.</source>
        <translation>Prueba «tildora-author --help».</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>it is %1, not a list of words: save the words as plain text (.txt)</source>
        <translation>es %1, no una lista de palabras: guarda las palabras como texto sin formato (.txt)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>standard input</source>
        <translation>la entrada estándar</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>tildora-author: no Spanish dictionary (sudo apt-get install hunspell-es): spelling not checked</source>
        <translation>tildora-author: no hay diccionario de español (sudo apt-get install hunspell-es): no se revisa la ortografía</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>tildora-author: cannot read %1: %2</source>
        <translation>tildora-author: no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 errors, %2 warnings in %3 files</source>
        <translation type="vanished">%1 errores, %2 avisos en %3 archivos</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>%1:%2: «%3» cannot name a file</source>
        <translation>%1:%2: «%3» no puede ser el nombre de un archivo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>made %1 («%2»)</source>
        <translation>creado %1 («%2»)</translation>
    </message>
    <message>
        <source>%1 recordings made, %2 failed</source>
        <translation type="vanished">%1 grabaciones hechas, %2 fallidas</translation>
    </message>
    <message numerus="yes">
        <location line="-31"/>
        <source>%n word(s) not in the dictionary told without suggestions; --all-suggestions looks for them too</source>
        <translation>
            <numerusform>%n palabra que no está en el diccionario se avisó sin sugerencias; --all-suggestions también las busca</numerusform>
            <numerusform>%n palabras que no están en el diccionario se avisaron sin sugerencias; --all-suggestions también las busca</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1, %2 in %3</source>
        <translation>%1 y %2 en %3</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+35"/>
        <source>%n recording(s) made</source>
        <translation>
            <numerusform>%n grabación hecha</numerusform>
            <numerusform>%n grabaciones hechas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n failed</source>
        <translation>
            <numerusform>%n falló</numerusform>
            <numerusform>%n fallaron</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Content folder to check against or record into (default: Tildora&apos;s own, and the teacher&apos;s).</source>
        <translation>Carpeta de contenido con la que revisar o en la que grabar (si no se da: la de Tildora y la del maestro).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check without the dictionary.</source>
        <translation>Revisa sin el diccionario.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Suggest spellings for every word the dictionary does not know (by default for the first %1, as each takes about 30 ms; a forgotten accent is always suggested).</source>
        <translation>Sugiere la grafía de cada palabra que el diccionario no conoce (si no, solo de las %1 primeras, porque cada una tarda unos 30 ms; una tilde olvidada se sugiere siempre).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Words per minute for say (default 125).</source>
        <translation>Palabras por minuto para say (125 si no se da).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Makes and checks Tildora exercise lines from real Spanish words.

Commands:
  make [FILE]        words with their accents, one per line (UTF-8; standard input
                     without FILE), to exercise lines on standard output; a word
                     with its sentence as &quot;tú: ¿Vienes tú al parque?&quot;
  check FILE...      report every problem of exercise files as
                     file:line: error|warning: message
  record FILE...     make the missing recordings of the words and sentences of
                     exercise files (into ~/.local/share/tildora/sonidospalabras and
                     sonidosfrases, or into DIR/... with --content DIR)
  say OUT.wav TEXT   speak a text into a WAV file as recordings are made
  results [DIR...]   the answers children gave: per child and day, per child by mode
                     and kind of word, the words missed most (default: the answers
                     this computer keeps, and the shared folder when one is set)

Exit status: 0 fine, 1 problems found, 2 bad usage.</source>
        <translation>Crea y comprueba líneas de ejercicio de Tildora a partir de palabras reales en español.

Órdenes:
  make [ARCHIVO]     palabras con sus tildes, una por línea (UTF-8; la entrada estándar
                     sin ARCHIVO), a líneas de ejercicio en la salida estándar; una palabra
                     con su frase así: &quot;tú: ¿Vienes tú al parque?&quot;
  check ARCHIVO...   informa de cada problema de los archivos de ejercicios como
                     archivo:línea: error|aviso: mensaje
  record ARCHIVO...  crea las grabaciones que faltan de las palabras y frases de los
                     archivos de ejercicios (en ~/.local/share/tildora/sonidospalabras y
                     sonidosfrases, o en DIR/... con --content DIR)
  say SALIDA.wav TEXTO  dice un texto en un archivo WAV como se hacen las grabaciones
  results [DIR...]   las respuestas de los alumnos: por alumno y día, por alumno según
                     el modo y el tipo de palabra, las palabras más falladas (sin DIR:
                     las respuestas que guarda este ordenador y la carpeta compartida si la hay)

Estado de salida: 0 bien, 1 hay problemas, 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>Makes and checks Tildora exercise lines from real Spanish words.

Commands:
  make [FILE]        words with their accents, one per line (UTF-8; standard input
                     without FILE), to exercise lines on standard output
  check FILE...      report every problem of exercise files as
                     file:line: error|warning: message
  record FILE...     make the missing word recordings of exercise files
                     (into ~/.local/share/tildora/sonidospalabras, or DIR/sonidospalabras
                     with --content DIR)
  say OUT.wav TEXT   speak a text into a WAV file as recordings are made

Exit status: 0 fine, 1 problems found, 2 bad usage.</source>
        <translation type="vanished">Crea y revisa líneas de ejercicio de Tildora a partir de palabras reales en español.

Órdenes:
  make [ARCHIVO]     palabras con sus tildes, una por línea (UTF-8; la entrada estándar
                     sin ARCHIVO), a líneas de ejercicio en la salida estándar
  check ARCHIVO...   informa de cada problema de los archivos de ejercicios como
                     archivo:línea: error|aviso: mensaje
  record ARCHIVO...  crea las grabaciones de palabras que faltan en los archivos de ejercicios
                     (en ~/.local/share/tildora/sonidospalabras, o en DIR/sonidospalabras
                     con --content DIR)
  say SALIDA.wav TEXTO  dice un texto en un archivo WAV como se hacen las grabaciones

Estado de salida: 0 bien, 1 hay problemas, 2 uso incorrecto.</translation>
    </message>
    <message>
        <source>make, check, record or say</source>
        <translation type="vanished">make, check, record o say</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>command</source>
        <translation>orden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>make, check, record, say or results</source>
        <translation>make, check, record, say o results</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>say needs OUT.wav and TEXT (and a speed of 40 to 400)</source>
        <translation>say necesita SALIDA.wav y TEXTO (y una velocidad de 40 a 400)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>make takes at most one file</source>
        <translation>make admite como mucho un archivo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>check needs at least one exercise file</source>
        <translation>check necesita al menos un archivo de ejercicios</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>record needs at least one exercise file</source>
        <translation>record necesita al menos un archivo de ejercicios</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>unknown command &apos;%1&apos;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>no command given</source>
        <translation>no se ha dado ninguna orden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tildora-author: cannot write the output: %1</source>
        <translation>tildora-author: no se puede escribir la salida: %1</translation>
    </message>
</context>
<context>
    <name>AuthorResults</name>
    <message>
        <location filename="../app/author/results.cpp" line="+66"/>
        <source>Answers per child and day</source>
        <translation>Respuestas por alumno y día</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>day</source>
        <translation>día</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+9"/>
        <source>child</source>
        <translation>alumno</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <source>answers</source>
        <translation>respuestas</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+9"/>
        <source>right</source>
        <translation>bien</translation>
    </message>
    <message>
        <location line="-9"/>
        <location line="+10"/>
        <source>right %</source>
        <translation>% bien</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Per child, by mode and kind of word</source>
        <translation>Por alumno, según el modo y el tipo de palabra</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>mode or kind</source>
        <translation>modo o tipo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Words missed most</source>
        <translation>Palabras más falladas</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>word</source>
        <translation>palabra</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>tries</source>
        <translation>intentos</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>misses</source>
        <translation>fallos</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>results: only this child&apos;s answers.</source>
        <translation>results: solo las respuestas de este alumno.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>results: only answers from this day on.</source>
        <translation>results: solo las respuestas desde este día.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>results: only answers up to this day.</source>
        <translation>results: solo las respuestas hasta este día.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>results: one comma-separated table for other programs.</source>
        <translation>results: una tabla separada por comas para otros programas.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>tildora-author: --%1 needs a day as 2026-12-06</source>
        <translation>tildora-author: --%1 necesita un día como 2026-12-06</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>tildora-author: --from comes after --to</source>
        <translation>tildora-author: --from va después de --to</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>tildora-author: no answers of «%1» in these days</source>
        <translation>tildora-author: no hay respuestas de «%1» en estos días</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>(all)</source>
        <translation>(todos)</translation>
    </message>
</context>
<context>
    <name>tildora::AccentRules</name>
    <message>
        <location filename="../src/authoring/accentrules.cpp" line="+84"/>
        <source>«%1» is written «%2» since 2010: one syllable for writing</source>
        <translation>«%1» se escribe «%2» desde 2010: es monosílaba a efectos ortográficos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>«%1» is written «%2»: a word of one syllable takes no written accent</source>
        <translation>«%1» se escribe «%2»: las palabras de una sola sílaba no llevan tilde</translation>
    </message>
</context>
<context>
    <name>tildora::FileCheck</name>
    <message>
        <location filename="../src/authoring/filecheck.cpp" line="+30"/>
        <source>no words: Tildora has nothing to show from this list</source>
        <translation>sin palabras: Tildora no tiene nada que mostrar de esta lista</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no line has a comma: these are plain words, not exercise lines (word,position,syllable,accent,); tildora-author make turns words into lines</source>
        <translation>ninguna línea tiene comas: son palabras sueltas, no líneas de ejercicio (palabra,posición,sílaba,tilde,); tildora-author make convierte las palabras en líneas</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
</context>
<context>
    <name>tildora::FileKind</name>
    <message>
        <location filename="../src/authoring/filekind.cpp" line="+19"/>
        <source>a Word, LibreOffice or similar document</source>
        <translation>un documento de Word, LibreOffice o parecido</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>an older Word or Excel document</source>
        <translation>un documento antiguo de Word o Excel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a PDF document</source>
        <translation>un documento PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>a rich-text (RTF) document</source>
        <translation>un documento de texto enriquecido (RTF)</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>a picture</source>
        <translation>una imagen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>a file made for another program</source>
        <translation>un archivo hecho para otro programa</translation>
    </message>
</context>
<context>
    <name>tildora::LineCheck</name>
    <message numerus="yes">
        <location filename="../src/authoring/linecheck.cpp" line="+44"/>
        <source>a word of %n letters is longer than any real word (%1 at most)</source>
        <translation>
            <numerusform>una palabra de %n letra es más larga que cualquier palabra real (%1 como mucho)</numerusform>
            <numerusform>una palabra de %n letras es más larga que cualquier palabra real (%1 como mucho)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+15"/>
        <source>fewer than four fields (each field ends with a comma)</source>
        <translation>menos de cuatro campos (cada campo termina en una coma)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the word has the accented vowel &apos;%1&apos;; write it without its accent</source>
        <translation>la palabra tiene la vocal con tilde «%1»; escríbela sin tilde</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>position &quot;%1&quot; is not a whole number</source>
        <translation>la posición «%1» no es un número entero</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>position %1 is outside the word (1 to %2)</source>
        <translation>la posición %1 está fuera de la palabra (de 1 a %2)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>position %1 is &apos;%2&apos;, not a vowel</source>
        <translation>la posición %1 es «%2», que no es una vocal</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>stressed syllable &quot;%1&quot; is not in the word</source>
        <translation>la sílaba tónica «%1» no está en la palabra</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the marked &quot;%1&quot; (letters %2 to %3) does not hold position %4</source>
        <translation>la «%1» marcada (letras %2 a %3) no contiene la posición %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>accent &quot;%1&quot; is neither NO nor &apos;%2&apos;, the accented &apos;%3&apos;</source>
        <translation>la tilde «%1» no es ni NO ni «%2», la «%3» con tilde</translation>
    </message>
</context>
<context>
    <name>tildora::ListFile</name>
    <message>
        <location filename="../src/authoring/listfile.cpp" line="+21"/>
        <source>line %1: «%2»: %3</source>
        <translation>línea %1: «%2»: %3</translation>
    </message>
</context>
<context>
    <name>tildora::ListFolder</name>
    <message>
        <location filename="../src/authoring/listfolder.cpp" line="+104"/>
        <location line="+28"/>
        <source>the list needs a name</source>
        <translation>la lista necesita un nombre</translation>
    </message>
    <message>
        <location line="-26"/>
        <location line="+11"/>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>cannot make %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>cannot copy %1 to %2</source>
        <translation>no se puede copiar %1 en %2</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>there is already a list called %1</source>
        <translation>ya hay una lista llamada %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+21"/>
        <source>cannot rename %1</source>
        <translation>no se puede cambiar el nombre de %1</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>no list at that place</source>
        <translation>no hay ninguna lista en ese lugar</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>cannot rename %1 to %2</source>
        <translation>no se puede cambiar el nombre de %1 a %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot move %1 to the trash: %2</source>
        <translation>no se puede mover %1 a la papelera: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>tildora::LiveCheck</name>
    <message>
        <location filename="../src/authoring/livecheck.cpp" line="+68"/>
        <source>«%1» cannot be cut into syllables: %2</source>
        <translation>«%1» no se puede dividir en sílabas: %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>by the accent rules «%1» is stressed on letter %2 (&apos;%3&apos;), not on letter %4: is a written accent missing or wrong?</source>
        <translation>según las reglas de acentuación, «%1» lleva el acento en la letra %2 («%3»), no en la letra %4: ¿falta la tilde o está mal puesta?</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>by the syllable rules the stressed syllable of «%1» is &quot;%2&quot;, not &quot;%3&quot;</source>
        <translation>según las reglas de división en sílabas, la sílaba tónica de «%1» es «%2», no «%3»</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>«%1» is not in the Spanish dictionary</source>
        <translation>«%1» no está en el diccionario de español</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>«%1» is not in the Spanish dictionary; did you mean %2?</source>
        <translation>«%1» no está en el diccionario de español; ¿querías decir %2?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>no letter picture %1/%2.gif</source>
        <translation>falta la imagen de letra %1/%2.gif</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>«%1» is %2 pixels wide, wider than the %3 the child&apos;s window has for letters: its first and last letters are cut off; choose a shorter word</source>
        <translation>«%1» mide %2 píxeles, más que los %3 que la ventana del alumno tiene para las letras: se cortan la primera y la última letra; elige una palabra más corta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>no accented-letter picture %1/%2.gif</source>
        <translation>falta la imagen de letra con tilde %1/%2.gif</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no recording of the sentence, %1/%2.wav (%3)</source>
        <translation>falta la grabación de la frase, %1/%2.wav (%3)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no recording %1/%2.wav (%3)</source>
        <translation>falta la grabación %1/%2.wav (%3)</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>tildora-author record makes it</source>
        <translation>la crea tildora-author record</translation>
    </message>
    <message>
        <location line="-101"/>
        <source>the text after the fourth comma does not hold «%1» as a word of its own: Tildora ignores it</source>
        <translation>el texto tras la cuarta coma no contiene «%1» como palabra: Tildora no lo tiene en cuenta</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the sentence has %1 characters, and the window shows %2 at most: shorten it</source>
        <translation>la frase tiene %1 caracteres, y la ventana muestra %2 como mucho: acórtela</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the sentence writes «%1», not «%2»: is a written accent wrong?</source>
        <translation>la frase escribe «%1», no «%2»: ¿falta o sobra una tilde?</translation>
    </message>
    <message>
        <location line="+163"/>
        <source>the child hears the same recording for «%1» and «%2»</source>
        <translation>el alumno oye la misma grabación para «%1» y «%2»</translation>
    </message>
    <message>
        <location line="-52"/>
        <source>empty line: Tildora shows the previous word again</source>
        <translation>línea vacía: Tildora vuelve a mostrar la palabra anterior</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>«%1» is already on line %2</source>
        <translation>«%1» ya está en la línea %2</translation>
    </message>
</context>
<context>
    <name>tildora::MissedList</name>
    <message>
        <location filename="../src/authoring/missedlist.cpp" line="+76"/>
        <source>«%1»: its exercise line was not found, so its accent is not known</source>
        <translation>«%1»: no se encontró su línea de ejercicio, así que no se sabe su acento</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>there are no words to make a list of</source>
        <translation>no hay palabras con las que hacer una lista</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot make %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>tildora::RecordingJob</name>
    <message>
        <location filename="../src/authoring/recordingjob.cpp" line="+44"/>
        <source>no room for scratch files</source>
        <translation>no hay sitio para los archivos temporales</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 is not installed</source>
        <translation>%1 no está instalado</translation>
    </message>
    <message>
        <location line="+80"/>
        <source>the speech programs failed</source>
        <translation>los programas de voz fallaron</translation>
    </message>
</context>
<context>
    <name>tildora::RegularFile</name>
    <message>
        <location filename="../src/content/regularfile.cpp" line="+30"/>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file (a pipe, a device or a socket)</source>
        <translation>no es un archivo normal (es una tubería, un dispositivo o un socket)</translation>
    </message>
</context>
<context>
    <name>tildora::Stress</name>
    <message>
        <location filename="../src/authoring/stress.cpp" line="+104"/>
        <source>no syllables</source>
        <translation>no tiene sílabas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the stressed syllable &quot;%1&quot; has no vowel</source>
        <translation>la sílaba tónica «%1» no tiene vocal</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the stressed vowel &apos;%1&apos; cannot take a written accent</source>
        <translation>la vocal tónica «%1» no puede llevar tilde</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the stressed vowel lies past letter 255</source>
        <translation>la vocal tónica está más allá de la letra 255</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; occurs too often in &quot;%2&quot;: the marked one would not hold the stressed vowel</source>
        <translation>«%1» aparece demasiadas veces en «%2»: la marcada no contendría la vocal tónica</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&apos;%1&apos; is not a letter</source>
        <translation>«%1» no es una letra</translation>
    </message>
</context>
<context>
    <name>tildora::TextImport</name>
    <message>
        <location filename="../src/authoring/textimport.cpp" line="+45"/>
        <source>there is no sentence after the colon</source>
        <translation>no hay ninguna frase tras los dos puntos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the sentence «%1» does not hold «%2» as a word of its own</source>
        <translation>la frase «%1» no contiene «%2» como palabra</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the sentence writes «%1», not «%2»: type the word as the sentence has it</source>
        <translation>la frase escribe «%1», no «%2»: escribe la palabra como la tiene la frase</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+12"/>
        <source>line %1: «%2»: %3</source>
        <translation>línea %1: «%2»: %3</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>line %1: %2; its line is made for «%3»</source>
        <translation>línea %1: %2; su línea de ejercicio se hace con «%3»</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>tildora::WordListEdits</name>
    <message>
        <location filename="../src/authoring/wordlistedits.cpp" line="+12"/>
        <source>Edit line %1</source>
        <translation>Editar la línea %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Remove line %1</source>
        <translation>Quitar la línea %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Remove %n lines</source>
        <translation>
            <numerusform>Quitar %n línea</numerusform>
            <numerusform>Quitar %n líneas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move line %1</source>
        <translation>Mover la línea %1</translation>
    </message>
</context>
<context>
    <name>tildora::WordListModel</name>
    <message>
        <location filename="../src/authoring/wordlistmodel.cpp" line="+19"/>
        <source>Voices → Record the missing words makes it</source>
        <translation>la crea Voces → Grabar las palabras que faltan</translation>
    </message>
    <message>
        <location line="+235"/>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Syllables</source>
        <translation>Sílabas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Written accent</source>
        <translation>Tilde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sentence</source>
        <translation>Frase</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exercise line</source>
        <translation>Línea del ejercicio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
</context>
<context>
    <name>tildora::WordRecorderText</name>
    <message>
        <location filename="../src/authoring/recorder.cpp" line="+38"/>
        <source>%1 failed: %2</source>
        <translation>%1 falló: %2</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>%1 not installed; install with: sudo apt-get install %2</source>
        <translation>%1 no está instalado; instálalo con: sudo apt-get install %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message numerus="yes">
        <location line="+28"/>
        <source>%1 did not finish within %n second(s) and was stopped</source>
        <translation>
            <numerusform>%1 no terminó en %n segundo y se detuvo</numerusform>
            <numerusform>%1 no terminó en %n segundos y se detuvo</numerusform>
        </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the speech programs made no sound</source>
        <translation>los programas de voz no produjeron ningún sonido</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>no room for scratch files: %1</source>
        <translation>no hay sitio para archivos temporales: %1</translation>
    </message>
</context>
<context>
    <name>tildora::WordVoices</name>
    <message>
        <location filename="../src/authoring/wordvoices.cpp" line="+169"/>
        <source>«%1» cannot name a file</source>
        <translation>«%1» no puede ser el nombre de un archivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the recording is empty</source>
        <translation>la grabación está vacía</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
</TS>
