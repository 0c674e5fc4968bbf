<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>main</name>
    <message>
        <source>Play in LANGUAGE (de, en, es, fr, it or nb), not the desktop&apos;s.</source>
        <translation>Spill på språket LANGUAGE (de, en, es, fr, it eller nb), ikke skrivebordets.</translation>
    </message>
</context>
</TS>
