<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>main</name>
    <message>
        <source>Play in LANGUAGE (de, en, es, fr, it or nb), not the desktop&apos;s.</source>
        <translation>In der Sprache LANGUAGE spielen (de, en, es, fr, it oder nb), nicht in der des Desktops.</translation>
    </message>
</context>
</TS>
