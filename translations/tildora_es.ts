<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>main</name>
    <message>
        <source>Makes and checks Tildora&apos;s exercise lists: words, syllables, accents, spelling and recordings.</source>
        <translation>Crea y revisa las listas de ejercicios de Tildora: palabras, sílabas, tildes, ortografía y grabaciones.</translation>
    </message>
    <message>
        <source>Exercise lists or word lists to open.</source>
        <translation>Listas de ejercicios o de palabras que abrir.</translation>
    </message>
</context>
<context>
    <name>tildora::EditorWindow</name>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Palabras</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New list…</source>
        <translation>&amp;Nueva lista…</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <source>&amp;Import words…</source>
        <translation>&amp;Importar palabras…</translation>
    </message>
    <message>
        <source>Ctrl+I</source>
        <translation>Ctrl+I</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>Make a &amp;copy</source>
        <translation>Hacer una &amp;copia</translation>
    </message>
    <message>
        <source>&amp;Rename…</source>
        <translation>Cambiar el &amp;nombre…</translation>
    </message>
    <message>
        <source>&amp;Delete (to the trash)</source>
        <translation>&amp;Borrar (a la papelera)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Add the new words</source>
        <translation>&amp;Añadir las palabras nuevas</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>&amp;Remove the chosen lines</source>
        <translation>&amp;Quitar las líneas elegidas</translation>
    </message>
    <message>
        <source>Ctrl+Delete</source>
        <translation>Ctrl+Delete</translation>
    </message>
    <message>
        <source>Move line &amp;up</source>
        <translation>Subir la &amp;línea</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Move line &amp;down</source>
        <translation>Bajar la lí&amp;nea</translation>
    </message>
    <message>
        <source>Alt+Down</source>
        <translation>Alt+Down</translation>
    </message>
    <message>
        <source>&amp;Voices</source>
        <translation>&amp;Voces</translation>
    </message>
    <message>
        <source>&amp;Results</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>A&amp;cerca de</translation>
    </message>
    <message>
        <source>About the Tildora exercise editor</source>
        <translation>Acerca del editor de ejercicios de Tildora</translation>
    </message>
    <message>
        <source>Tildora exercise editor %1

Makes and checks the word lists that Tildora&apos;s children practise with.</source>
        <translation>Editor de ejercicios de Tildora %1

Crea y revisa las listas de palabras con las que practican los niños en Tildora.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>The list «%1» has changes that are not saved. Save them?</source>
        <translation>La lista «%1» tiene cambios sin guardar. ¿Guardarlos?</translation>
    </message>
    <message>
        <source>new list</source>
        <translation>lista nueva</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 guardada</translation>
    </message>
    <message>
        <source>my words</source>
        <translation>mis palabras</translation>
    </message>
    <message>
        <source>Save as a list of yours</source>
        <translation>Guardar como una lista tuya</translation>
    </message>
    <message>
        <source>Name of the list:</source>
        <translation>Nombre de la lista:</translation>
    </message>
    <message>
        <source>Open a list</source>
        <translation>Abrir una lista</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Archivos de texto (*.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import words</source>
        <translation>Importar palabras</translation>
    </message>
    <message>
        <source>Text files (*.txt *.csv);;All files (*)</source>
        <translation>Archivos de texto (*.txt *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (solo lectura)</translation>
    </message>
    <message>
        <source>%1%2[*] — Tildora exercise editor</source>
        <translation>%1%2[*] — Editor de ejercicios de Tildora</translation>
    </message>
    <message>
        <source>loading the dictionary…</source>
        <translation>cargando el diccionario…</translation>
    </message>
    <message>
        <source>dictionary %1</source>
        <translation>diccionario %1</translation>
    </message>
    <message>
        <source>no Spanish dictionary (install hunspell-es)</source>
        <translation>sin diccionario de español (instala hunspell-es)</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s)</source>
        <translation>
            <numerusform>%n error</numerusform>
            <numerusform>%n errores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n warning(s)</source>
        <translation>
            <numerusform>%n aviso</numerusform>
            <numerusform>%n avisos</numerusform>
        </translation>
    </message>
    <message>
        <source>Tildora exercise editor</source>
        <translation>Editor de ejercicios de Tildora</translation>
    </message>
</context>
<context>
    <name>tildora::ListFile</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
</context>
<context>
    <name>tildora::ListFolder</name>
    <message>
        <source>the list needs a name</source>
        <translation>la lista necesita un nombre</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2</source>
        <translation>no se puede copiar %1 en %2</translation>
    </message>
    <message>
        <source>there is already a list called %1</source>
        <translation>ya hay una lista llamada %1</translation>
    </message>
    <message>
        <source>cannot rename %1</source>
        <translation>no se puede cambiar el nombre de %1</translation>
    </message>
    <message>
        <source>no list at that place</source>
        <translation>no hay ninguna lista en ese lugar</translation>
    </message>
    <message>
        <source>cannot rename %1 to %2</source>
        <translation>no se puede cambiar el nombre de %1 a %2</translation>
    </message>
    <message>
        <source>cannot move %1 to the trash: %2</source>
        <translation>no se puede mover %1 a la papelera: %2</translation>
    </message>
</context>
<context>
    <name>tildora::ListPanel</name>
    <message>
        <source>New</source>
        <translation>Nueva</translation>
    </message>
    <message>
        <source>A new, empty list of your own</source>
        <translation>Una lista tuya nueva y vacía</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>An editable copy of the chosen list</source>
        <translation>Una copia editable de la lista elegida</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>A new name for the chosen list</source>
        <translation>Un nombre nuevo para la lista elegida</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Show the chosen list earlier in Tildora</source>
        <translation>Mostrar la lista elegida antes en Tildora</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Show the chosen list later in Tildora</source>
        <translation>Mostrar la lista elegida después en Tildora</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Move the chosen list to the trash</source>
        <translation>Mover la lista elegida a la papelera</translation>
    </message>
    <message>
        <source>Exercise lists</source>
        <translation>Listas de ejercicios</translation>
    </message>
    <message>
        <source>%1 (bundled, read-only)</source>
        <translation>%1 (incluida, solo lectura)</translation>
    </message>
    <message>
        <source>New list</source>
        <translation>Lista nueva</translation>
    </message>
    <message>
        <source>Name of the new list:</source>
        <translation>Nombre de la lista nueva:</translation>
    </message>
    <message>
        <source>my words</source>
        <translation>mis palabras</translation>
    </message>
    <message>
        <source>Bundled lists cannot be renamed; make a copy first.</source>
        <translation>Las listas incluidas no se pueden renombrar; haz antes una copia.</translation>
    </message>
    <message>
        <source>Rename list</source>
        <translation>Renombrar la lista</translation>
    </message>
    <message>
        <source>New name of the list:</source>
        <translation>Nombre nuevo de la lista:</translation>
    </message>
    <message>
        <source>Bundled lists keep their place; make a copy to place it among yours.</source>
        <translation>Las listas incluidas no cambian de lugar; haz una copia para ponerla entre las tuyas.</translation>
    </message>
    <message>
        <source>Bundled lists cannot be deleted.</source>
        <translation>Las listas incluidas no se pueden borrar.</translation>
    </message>
    <message>
        <source>Delete list</source>
        <translation>Borrar la lista</translation>
    </message>
    <message>
        <source>Move «%1» to the trash? You can bring it back from there.</source>
        <translation>¿Mover «%1» a la papelera? Podrás recuperarla desde allí.</translation>
    </message>
</context>
<context>
    <name>tildora::LiveCheck</name>
    <message>
        <source>«%1» is not in the Spanish dictionary</source>
        <translation>«%1» no está en el diccionario de español</translation>
    </message>
    <message>
        <source>«%1» is already on line %2</source>
        <translation>«%1» ya está en la línea %2</translation>
    </message>
</context>
<context>
    <name>tildora::TextImport</name>
    <message>
        <source>line %1: «%2»: %3</source>
        <translation>línea %1: «%2»: %3</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>tildora::WordListEdits</name>
    <message>
        <source>Edit line %1</source>
        <translation>Editar la línea %1</translation>
    </message>
    <message>
        <source>Remove line %1</source>
        <translation>Quitar la línea %1</translation>
    </message>
    <message>
        <source>Remove %1 lines</source>
        <translation>Quitar %1 líneas</translation>
    </message>
    <message>
        <source>Move line %1</source>
        <translation>Mover la línea %1</translation>
    </message>
</context>
<context>
    <name>tildora::WordListModel</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Syllables</source>
        <translation>Sílabas</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Written accent</source>
        <translation>Tilde</translation>
    </message>
    <message>
        <source>Exercise line</source>
        <translation>Línea del ejercicio</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
</context>
<context>
    <name>tildora::WordPanel</name>
    <message>
        <source>New words, one per line, with their written accents:</source>
        <translation>Palabras nuevas, una por línea, con sus tildes:</translation>
    </message>
    <message>
        <source>árbol
canción
pájaro</source>
        <translation>árbol
canción
pájaro</translation>
    </message>
    <message>
        <source>&amp;Add to the list</source>
        <translation>&amp;Añadir a la lista</translation>
    </message>
    <message numerus="yes">
        <source>Add %n word(s)</source>
        <translation>
            <numerusform>Añadir %n palabra</numerusform>
            <numerusform>Añadir %n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>Choose a word to see it as the child will.</source>
        <translation>Elige una palabra para verla como la verá el niño.</translation>
    </message>
    <message>
        <source>%1 — %2, %3</source>
        <translation>%1 — %2, %3</translation>
    </message>
    <message>
        <source>with a written accent</source>
        <translation>con tilde</translation>
    </message>
    <message>
        <source>no written accent</source>
        <translation>sin tilde</translation>
    </message>
    <message>
        <source>This line cannot be read as an exercise.</source>
        <translation>Esta línea no se puede leer como ejercicio.</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Aviso: %1</translation>
    </message>
    <message>
        <source>No problems.</source>
        <translation>Sin problemas.</translation>
    </message>
    <message>
        <source>Use «%1»</source>
        <translation>Usar «%1»</translation>
    </message>
</context>
</TS>
