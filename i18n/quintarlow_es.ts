<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>main</name>
    <message>
        <source>Play in LANGUAGE (de, en, es, fr, it or nb), not the desktop&apos;s.</source>
        <translation>Jugar en el idioma LANGUAGE (de, en, es, fr, it o nb), no en el del escritorio.</translation>
    </message>
</context>
</TS>
