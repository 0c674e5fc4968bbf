<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>main</name>
    <message>
        <source>Play in LANGUAGE (de, en, es, fr, it or nb), not the desktop&apos;s.</source>
        <translation>Jouer dans la langue LANGUAGE (de, en, es, fr, it ou nb), et non celle du bureau.</translation>
    </message>
</context>
</TS>
