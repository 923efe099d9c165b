<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Artwork</name>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+45"/>
        <source>Wireless Access Point Setup Utility</source>
        <extracomment>Subtitle in the header band of every page, under &quot;TRX61 ver. 2.2&quot;; 360 px, one line.</extracomment>
        <translation>無線アクセスポイント設定ユーティリティ</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+108"/>
        <source>Press Setup to begin. User Guide opens the manual; Web Site opens the product pages.</source>
        <translation>［セットアップ］で​開始します。​［ユーザーガイド］で​ガイドを、​［Webサイト］で​製品ページを​開きます。</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+111"/>
        <source>This PC</source>
        <extracomment>Label under the drawing of a PC on the connection page; 110 px, one line.</extracomment>
        <translation>このPC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Ethernet</source>
        <extracomment>Label on the cable between the PC and the access point in the drawing; 100 px, one line.</extracomment>
        <translation>イーサネット</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+3"/>
        <source>Connect this PC and the access points to the same Ethernet segment, then press Next to search. The search takes three seconds.</source>
        <translation>このPCと​アクセスポイントを​同じ​イーサネット​セグメントに​接続し、​［次へ］を​押して​検索します。​検索には​3秒​かかります。</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+8"/>
        <source>Access points</source>
        <extracomment>Caption above the list of the access points that answered; 125 px, one line.</extracomment>
        <translation>アクセスポイント</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings of the selected one</source>
        <extracomment>Heading over the settings of the access point chosen in the list; 230 px, one line.</extracomment>
        <translation>選択したアクセスポイントの設定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Regulatory domain:</source>
        <extracomment>Label before the access point&apos;s value in the list page; 112 px, one line. Same term as the screen reader&apos;s &quot;Regulatory domain&quot;.</extracomment>
        <translation>規制ドメイン：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Firmware version:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>ファームウェア：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MAC address:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>MACアドレス：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>IP address:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>IPアドレス：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ESSID:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>ESSID：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Channel:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>チャネル：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP:</source>
        <extracomment>Label before a value on the list page; 112 px, one line.</extracomment>
        <translation>WEP：</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+3"/>
        <source>Yes: change its settings.  No: close the utility.</source>
        <translation>［はい］：設定を変更します。［いいえ］：ユーティリティを終了します。</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+10"/>
        <location line="+74"/>
        <source>ESSID</source>
        <extracomment>Field caption on the basic settings page, and a row name on the confirmation page (96 px).
----------
Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>ESSID</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+1"/>
        <source>The network name: 1 to 32 characters.</source>
        <translation>ネットワーク名：1～32文字。</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="-71"/>
        <location line="+73"/>
        <source>Channel</source>
        <extracomment>Field caption on the basic settings page, and a row name on the confirmation page (96 px).
----------
Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>チャネル</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>The channels allowed in the access point&apos;s regulatory domain.</source>
        <translation>アクセスポイントの​規制ドメインの​チャネル。</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="-71"/>
        <source>Host Name</source>
        <extracomment>Field caption on the basic settings page; 200 px, one line.</extracomment>
        <translation>ホスト名</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+1"/>
        <source>The access point&apos;s own name: up to 31 characters.</source>
        <translation>アクセスポイントの名前：31文字まで。</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+12"/>
        <source>Set the address manually</source>
        <extracomment>Beside the radio button for a fixed address on the IP page; 160 px, one line.</extracomment>
        <translation>アドレスを手動で設定</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Obtain the address by DHCP</source>
        <extracomment>Beside the radio button for DHCP on the IP page; 180 px, one line.</extracomment>
        <translation>DHCPでアドレスを取得</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>IP Address</source>
        <extracomment>Caption left of an address field on the IP page: 53 px on one line, or two lines broken with 
 where the language breaks it (56 px each, may be narrowed to 75 %).</extracomment>
        <translation>IP
アドレス</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Net Mask</source>
        <extracomment>Caption left of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>サブネット
マスク</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Gateway</source>
        <extracomment>Caption left of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Four numbers from 0 to 255 separated by dots, such as 192.168.1.251. An empty field gets the usual default when you go on.</source>
        <translation>0～255の​4つの​数字を​ドットで​区切って​入力します​（例：192.168.1.251）。​空欄のまま​進むと、​通常の​既定値が​入ります。</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+66"/>
        <location filename="../tools/artgen/pages.cpp" line="+9"/>
        <source>WEP method</source>
        <extracomment>Caption above the list of WEP key sizes; 200 px, one line.</extracomment>
        <translation>WEP方式</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+3"/>
        <source>Disable, or a key size of 64, 128 or 256 bits.</source>
        <translation>無効、または64/128/256ビットのキー長。</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+2"/>
        <source>Pass phrase</source>
        <extracomment>Caption above the pass phrase field; 200 px, one line.</extracomment>
        <translation>パスフレーズ</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Up to 32 characters. The same pass phrase always gives the same keys.</source>
        <translation>32文字まで。​同じ​パスフレーズからは​常に​同じ​キーが​生成されます。</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+1"/>
        <location filename="../tools/artgen/pages.cpp" line="+9"/>
        <source>WEP key 1</source>
        <extracomment>Caption above the first key&apos;s field; 200 px, one line.</extracomment>
        <translation>WEPキー1</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+2"/>
        <source>Hexadecimal digits 0-9 and A-F: 10 digits for 64 bits, 26 for 128 bits, 58 for 256 bits. Keys 2 to 4 are made from the pass phrase and saved with it.</source>
        <translation>16進数​（0-9、A-F）：​64ビットは​10桁、​128ビットは​26桁、​256ビットは​58桁です。​キー2～4は​パスフレーズから​生成され、​パスフレーズと​一緒に​保存されます。</translation>
    </message>
    <message>
        <location filename="../tools/artgen/pages.cpp" line="+12"/>
        <source>Current</source>
        <extracomment>Heading of the confirmation page&apos;s column of the values the access point has now (before the change); 150 px, one line.</extracomment>
        <translation>変更前</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>New</source>
        <extracomment>Heading of the confirmation page&apos;s column of the values about to be saved (after the change); 100 px, one line.</extracomment>
        <translation>変更後</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>IP address</source>
        <extracomment>Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>WEP</source>
        <extracomment>Row name on the confirmation page; 96 px, one line.</extracomment>
        <translation>WEP</translation>
    </message>
    <message>
        <location filename="../app/pagewords.h" line="+4"/>
        <source>Yes: save. The access point may need 60 seconds to apply the settings.
No: discard the changes and search again.</source>
        <translation>［はい］：​保存します。​アクセスポイントが​設定を​反映するまで​60秒ほど​かかることが​あります。
［いいえ］：​変更を​破棄して、​もう一度​検索します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It may take the access point up to 60 seconds to apply them. Press Exit to close the utility.</source>
        <translation>アクセスポイントが​設定を​反映するまで​最大60秒​かかることが​あります。​［終了］で​ユーティリティを​閉じます。</translation>
    </message>
    <message>
        <location filename="../tools/artgen/faces.cpp" line="+60"/>
        <source>Setup</source>
        <extracomment>Button face: starts the wizard.</extracomment>
        <translation>セットアップ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User Guide</source>
        <extracomment>Button face: opens the user guide.</extracomment>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Web Site</source>
        <extracomment>Button face: opens the maker&apos;s web site.</extracomment>
        <translation>Webサイト</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit</source>
        <extracomment>Button face: closes the program.</extracomment>
        <translation>終了</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Next</source>
        <extracomment>Button face: goes to the next page.</extracomment>
        <translation>次へ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yes</source>
        <extracomment>Button face: answers the page&apos;s question (go on, save).</extracomment>
        <translation>はい</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No</source>
        <extracomment>Button face: answers the page&apos;s question (close, discard).</extracomment>
        <translation>いいえ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Back</source>
        <extracomment>Button face: goes to the previous page.</extracomment>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <location filename="../app/accessibles.cpp" line="+22"/>
        <source>Setup</source>
        <translation>セットアップ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Web Site</source>
        <translation>Webサイト</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <location filename="../app/translatornotes.h" line="+5"/>
        <source></source>
        <comment>Names of the picture buttons, read out by screen readers: the same word as drawn on the button&apos;s face (context Artwork), on one line. &quot;Minimise&quot; and &quot;Close&quot; are the two small window buttons at the top right, which carry no word.</comment>
        <translation></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../app/form1.cpp" line="+26"/>
        <source>Disable</source>
        <extracomment>WEP key size list on the security page (about 90 px): WEP switched off.</extracomment>
        <translation>無効</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>64Bits</source>
        <extracomment>WEP key size list on the security page (about 90 px).</extracomment>
        <translation>64ビット</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>128Bits</source>
        <extracomment>WEP key size list on the security page (about 90 px).</extracomment>
        <translation>128ビット</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>256Bits</source>
        <extracomment>WEP key size list on the security page (about 90 px).</extracomment>
        <translation>256ビット</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASCII: Enter 5,13,or 29 characters for 40,128, or 256 bits WEP Keys respectively</source>
        <translation>ASCII：64/128/256ビットのWEPキーは5/13/29文字</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Hexdecimal(0-9 &amp; a-f ,or a-f ): Enter 10, 26, 58 digits for 40,128, or 256 bits WEP Key respectively.</source>
        <translation>16進数（0-9、a-f）：64/128/256ビットのWEPキーは10/26/58桁</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <location filename="../app/language.cpp" line="+79"/>
        <source>Usage: trx61-utility [--version] [--help] [--language CODE]
Finds TRX61 ver. 2.2 wireless access points on every network adapter of this PC and
changes their settings, in a window. It uses UDP port 27155: let it through the firewall.
With TRX61_DEBUG=1 in the environment it reports its network traffic on standard error.
</source>
        <translation>使い方：trx61-utility [--version] [--help] [--language CODE]
このPCのすべてのネットワークアダプターでTRX61 ver. 2.2 無線アクセスポイントを探し、
ウィンドウでその設定を変更します。UDPポート27155を使うので、ファイアウォールで許可してください。
環境変数 TRX61_DEBUG=1 を設定すると、ネットワークの通信内容を標準エラー出力に表示します。
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>It speaks the language of the system when it has it, and English otherwise.
--language CODE chooses one of these:
</source>
        <translation>システムの言語があればその言語で、なければ英語で表示します。
--language CODE で次の言語から選べます：
</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <location filename="../app/pagewords.h" line="-113"/>
        <source>Welcome</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>ようこそ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host name, ESSID, channel, IP settings and WEP keys.</source>
        <translation>このユーティリティは、​ネットワーク上の​TRX61 ver. 2.2 ​無線​アクセスポイントを​探し、​ホスト名、​ESSID、​チャネル、​IP設定、​WEPキーを​変更できます。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Connection method</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>接続方法</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155).</source>
        <translation>ユーティリティは、​ローカルの​イーサネット​セグメント上の​アクセスポイントと​ブロードキャスト​（UDPポート27155）で​通信します。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Access points found</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>見つかったアクセスポイント</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to change the settings of the selected access point?</source>
        <translation>選択したアクセスポイントの設定を変更しますか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Basic settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>基本設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name the wireless network and choose its radio channel.</source>
        <translation>無線ネットワークに名前を付け、無線チャネルを選んでください。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>IP settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>IP設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Give the access point a fixed address, or let a DHCP server assign one.</source>
        <translation>アクセスポイントに​固定アドレスを​設定するか、​DHCPサーバーから​アドレスを​取得します。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Security settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>セキュリティ設定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose the WEP encryption and type a pass phrase; the keys are made from it.</source>
        <translation>WEP暗号化を​選び、​パスフレーズを​入力してください。​キーは​パスフレーズから​生成されます。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>WEP key</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>WEPキー</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The first key, made from your pass phrase. You may type your own key instead.</source>
        <translation>パスフレーズから​生成された​1番目の​キーです。​独自の​キーを​入力することも​できます。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Confirm the new settings</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>新しい設定の確認</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do you want to save these settings to the access point?</source>
        <translation>この設定をアクセスポイントに保存しますか？</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Settings saved</source>
        <extracomment>Page title: 420 px, one line; also the page&apos;s name for screen readers.</extracomment>
        <translation>設定を保存しました</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The access point has acknowledged the new settings.</source>
        <translation>アクセスポイントが新しい設定を受け付けました。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Checking the network connection</source>
        <extracomment>Title of the wait panel during a search or a save; 280 px, one line.</extracomment>
        <translation>ネットワーク接続を確認しています</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please wait...</source>
        <extracomment>Under the wait panel&apos;s title; 280 px, one line.</extracomment>
        <translation>お待ちください…</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No access point could be located</source>
        <extracomment>Title of the error panel: 340 px, up to two lines; also read out by screen readers.</extracomment>
        <translation>アクセスポイントが見つかりません</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No access point answered in time, or an answer could not be used.</source>
        <translation>時間内に​応答した​アクセスポイントが​なかったか、​応答を​使用できませんでした。</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please check:</source>
        <extracomment>Heading of the error panel&apos;s check-list; 375 px, one line.</extracomment>
        <translation>次の点を確認してください：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Ethernet cables of this PC and of the access point are plugged in, and their link lights are on.</source>
        <translation>このPCと​アクセスポイントの​LANケーブルが​接続され、​LINKランプが​点灯していること</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This PC and the access point are on the same Ethernet segment (no router between them).</source>
        <translation>このPCと​アクセスポイントが​同じ​イーサネット​セグメント上に​あること​（間に​ルーターが​ないこと）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The access point is switched on and has finished starting up.</source>
        <translation>アクセスポイントの電源が入り、起動が完了していること</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A firewall on this PC lets UDP port 27155 through, in and out.</source>
        <translation>このPCの​ファイアウォールが、​UDPポート27155の​送受信を​許可していること</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>After saving, the access point may need up to 60 seconds before it answers again.</source>
        <translation>保存した直後の場合は、​アクセスポイントが​再び​応答するまで​（最大60秒）​待ったこと</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Continue</source>
        <extracomment>The error panel&apos;s button-like bar: a click goes back to the page; 389 px, one line.</extracomment>
        <translation>続行</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <location filename="../app/announcements.cpp" line="-48"/>
        <source>.</source>
        <comment>full stop</comment>
        <translation>。</translation>
    </message>
</context>
<context>
    <name>trx::app::TForm1</name>
    <message>
        <location filename="../app/form1.cpp" line="+306"/>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <location filename="../app/help.cpp" line="+41"/>
        <source>No program to show the user guide was found on this computer. The guide is the file
%1</source>
        <translation>ユーザーガイドを表示するプログラムがこのコンピューターに見つかりません。ガイドのファイルは次のとおりです：
%1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Opening the User Guide.</source>
        <extracomment>Said when the User Guide button is pressed, as the guide&apos;s window opens.</extracomment>
        <translation>ユーザーガイドを開いています。</translation>
    </message>
    <message>
        <location filename="../app/form1.h" line="+55"/>
        <source>After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.</source>
        <translation>設定の保存後、TRX61 ver. 2.2が使用可能になるまで60秒ほどかかることがあります。</translation>
    </message>
    <message>
        <location filename="../wizard/checks.cpp" line="+18"/>
        <source>Wrong IP address value!</source>
        <translation>IPアドレスが正しくありません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong NetMask IP address value!</source>
        <translation>サブネットマスクが正しくありません。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrong GateWay IP address value!</source>
        <translation>ゲートウェイが正しくありません。</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Part %1 is empty.</source>
        <translation>%1番目の部分が空です。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Part %1, %2, is no number from 0 to 255.</source>
        <extracomment>%1: which of the address&apos;s four parts, counted from 1; %2: that part as typed.</extracomment>
        <translation>%1番目の部分「%2」は0～255の数値ではありません。</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>An address is four numbers separated by dots; this one has %n part(s).</source>
        <translation>
            <numerusform>アドレスはドットで区切った4つの数値です。入力されたアドレスは%n個の部分からなります。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>The gateway %1 is outside the subnet of %2 with net mask %3: the access point cannot reach it.</source>
        <translation>ゲートウェイ%1は、%2（サブネットマスク%3）のサブネットの外にあります。アクセスポイントから到達できません。</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Wrong ESSID value!</source>
        <translation>ESSIDが正しくありません。</translation>
    </message>
    <message>
        <location filename="../wizard/receive.cpp" line="+125"/>
        <source>The changes made for %1 were dropped.</source>
        <extracomment>Said when another access point is chosen in the list: %1 is the host name of the one whose typed changes are lost.</extracomment>
        <translation>%1 に対する変更は破棄されました。</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 (another device has the same MAC address)</source>
        <extracomment>Screen-reader name of a list entry (%1: its host name) when another device answers with its MAC address.</extracomment>
        <translation>%1（別の機器が同じMACアドレスを使用しています）</translation>
    </message>
    <message>
        <location line="+55"/>
        <location line="+29"/>
        <source>Error</source>
        <extracomment>Shown as the regulatory domain&apos;s value (list page, 1 line, about 120 px) when the access point reports a domain code the program does not know.</extracomment>
        <translation>エラー</translation>
    </message>
    <message>
        <location filename="../wizard/wep.cpp" line="+13"/>
        <source>Wrong Wep-Key1 Length!</source>
        <translation>WEPキー1の長さが正しくありません。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrong Wep-Key1 Word!</source>
        <translation>WEPキー1に使用できない文字が含まれています。</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>With WEP on, an empty pass phrase would make every key zeros, which anyone can use. Type a pass phrase; on the next page you may type a key of your own instead.</source>
        <extracomment>Refusal on the security page when WEP is on and the pass phrase is empty.</extracomment>
        <translation>WEPが有効なときにパスフレーズが空だと、すべてのキーがゼロになり、誰でも使えてしまいます。パスフレーズを入力してください。次のページで独自のキーを入力することもできます。</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>A key of all zeros is one anyone can use. Type another key, or go back and type a pass phrase.</source>
        <extracomment>Refusal on the WEP key page when key 1 is typed as all zeros.</extracomment>
        <translation>すべてゼロのキーは誰でも使えてしまいます。別のキーを入力するか、前に戻ってパスフレーズを入力してください。</translation>
    </message>
    <message>
        <location filename="../app/accessibles.cpp" line="+162"/>
        <source>Filled in, hidden.</source>
        <translation>入力済み、非表示。</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+22"/>
        <location line="+18"/>
        <location line="+19"/>
        <location filename="../wizard/changes.cpp" line="+36"/>
        <source>ESSID</source>
        <translation>ESSID</translation>
    </message>
    <message>
        <location line="-36"/>
        <location line="+18"/>
        <location line="+19"/>
        <location filename="../wizard/changes.cpp" line="+1"/>
        <source>Channel</source>
        <translation>チャネル</translation>
    </message>
    <message>
        <location line="-36"/>
        <location filename="../wizard/changes.cpp" line="+4"/>
        <source>Host Name</source>
        <translation>ホスト名</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+12"/>
        <location filename="../wizard/changes.cpp" line="-6"/>
        <source>IP Address</source>
        <extracomment>Screen-reader name of an address field, read and brailled: one line, never a line break (the caption drawn on the picture, context Artwork, may take two).</extracomment>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <location line="-10"/>
        <location filename="../wizard/changes.cpp" line="+8"/>
        <source>Net Mask</source>
        <extracomment>Screen-reader name of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>サブネットマスク</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../wizard/changes.cpp" line="+1"/>
        <source>Gateway</source>
        <extracomment>Screen-reader name of an address field; as for &quot;IP Address&quot;.</extracomment>
        <translation>ゲートウェイ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Obtain the address by DHCP</source>
        <translation>DHCPでアドレスを取得</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set the address manually</source>
        <translation>アドレスを手動で設定</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+19"/>
        <location filename="../wizard/changes.cpp" line="-6"/>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Pass Phrase</source>
        <translation>パスフレーズ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 2</source>
        <translation>キー2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 3</source>
        <translation>キー3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 4</source>
        <translation>キー4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Access points</source>
        <translation>アクセスポイント</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Regulatory domain</source>
        <translation>規制ドメイン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Firmware version</source>
        <translation>ファームウェアのバージョン</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MAC address</source>
        <translation>MACアドレス</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <source>IP address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Remembered pass phrase</source>
        <translation>保存済みのパスフレーズ</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>At most %n characters.</source>
        <extracomment>Said once when typing stops at a field&apos;s limit.</extracomment>
        <translation>
            <numerusform>最大%n文字です。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Regulatory domain %1, firmware version %2, MAC address %3, IP address %4, ESSID %5, channel %6, WEP %7.</source>
        <translation>規制ドメイン %1、ファームウェアのバージョン %2、MACアドレス %3、IPアドレス %4、ESSID %5、チャネル %6、WEP %7。</translation>
    </message>
    <message>
        <location filename="../wizard/changes.cpp" line="-20"/>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>Was %1.</source>
        <translation>変更前：%1。</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1: %2, unchanged.</source>
        <translation>%1：%2（変更なし）。</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>WEP keys: unchanged.</source>
        <translation>WEPキー：変更なし。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new; key 1 as typed, keys 2 to 4 made from the pass phrase.</source>
        <translation>WEPキー：変更あり。キー1は入力した値、キー2～4はパスフレーズから作成されます。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new, made from the new pass phrase.</source>
        <translation>WEPキー：変更あり。新しいパスフレーズから作成されます。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>WEP keys: new, made from the pass phrase.</source>
        <translation>WEPキー：変更あり。パスフレーズから作成されます。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Key in use: key 1, was key %1.</source>
        <translation>使用するキー：キー1（変更前：キー%1）。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key in use: key 1.</source>
        <translation>使用するキー：キー1。</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+23"/>
        <source>chosen</source>
        <translation>選択済み</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>not chosen</source>
        <translation>未選択</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Saving the settings to the access point.</source>
        <translation>アクセスポイントに設定を保存しています。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>1 access point answered.</source>
        <translation>1台のアクセスポイントが応答しました。</translation>
    </message>
    <message numerus="yes">
        <location line="+0"/>
        <source>%n access points answered.</source>
        <translation>
            <numerusform>%n台のアクセスポイントが応答しました。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <location filename="../wizard/changes.cpp" line="-24"/>
        <source>%1: %2, was %3.</source>
        <translation>%1：%2（変更前：%3）。</translation>
    </message>
    <message>
        <location filename="../app/announcements.cpp" line="+8"/>
        <location line="+20"/>
        <location filename="../wizard/steps.cpp" line="+143"/>
        <source>The changes were not saved.</source>
        <translation>変更は保存されませんでした。</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+20"/>
        <source>The utility closes.</source>
        <translation>ユーティリティを終了します。</translation>
    </message>
    <message>
        <location filename="../app/translatornotes.h" line="+7"/>
        <source></source>
        <comment>Message boxes (room enough), and what screen readers read: each field&apos;s name (the caption drawn beside it, but on one line, never with a line break), the list page&apos;s captions, and the announcements. &quot;%1: %2&quot; is a field&apos;s name and value; &quot;Was %1.&quot; and &quot;%1: %2, was %3.&quot; give a field&apos;s value before the change on the confirmation page; &quot;Error&quot; stands for a regulatory domain the program does not know, on the list page.</comment>
        <translation></translation>
    </message>
    <message>
        <location filename="../wizard/steps.cpp" line="+77"/>
        <source>More than one device answers with the MAC address %1. Each of them may take these settings. Save anyway?</source>
        <extracomment>Asked before a save, when more than one device answered the search with one MAC address (%1), with other settings or from another address. OK saves, Cancel stays on the confirmation page.</extracomment>
        <translation>複数の機器がMACアドレス %1 で応答しています。どの機器もこの設定を受け取る可能性があります。それでも保存しますか？</translation>
    </message>
</context>
</TS>
