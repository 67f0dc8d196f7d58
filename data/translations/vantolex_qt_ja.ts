<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Japanese for the texts of Qt's print, printer-properties and file dialogs that qtbase_ja leaves in
     English. Loaded after qtbase_ja; the contexts and source texts are Qt's own. -->
<TS version="2.1" language="ja_JP">
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>ページ指定</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>両面印刷</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>しない</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>長辺綴じ</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>短辺綴じ</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>ページまたは範囲をコンマで区切って指定します。範囲はハイフンで区切った二つの数で指定します。例: 3,5-7,9 はページ 3、5、6、7、9 を印刷します。</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>詳細設定</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>いくつかのオプションが競合しています。修正してください。</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>ページ設定の競合</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>ページ設定のオプションが競合しています。修正しますか?</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>詳細設定の競合</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>いくつかの詳細設定が競合しています。修正しますか?</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>両面印刷の設定の競合</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>両面印刷の設定が競合しています。修正しますか?</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>「シートごとのページ数」と「ページセット」は同時に使えません。
どちらかを使わない設定にしてください。</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>左から右、上から下</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>左から右、下から上</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>右から左、下から上</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>右から左、上から下</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>下から上、左から右</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>下から上、右から左</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>上から下、左から右</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>上から下、右から左</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner page at start</source>
        <translation>最初のバナーページ</translation>
    </message>
    <message>
        <source>Banner page at end</source>
        <translation>最後のバナーページ</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Drive</source>
        <comment>All other platforms</comment>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1 ファイル</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
</context>
</TS>
