<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>main</name>
    <message>
        <source>Play in LANGUAGE (de, en, es, fr, it or nb), not the desktop&apos;s.</source>
        <translation>Giocare nella lingua LANGUAGE (de, en, es, fr, it o nb), non in quella del desktop.</translation>
    </message>
</context>
</TS>
