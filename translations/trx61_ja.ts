<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Artwork</name>
    <message>
        <source>Wireless Access Point Setup Utility</source>
        <translation>無線アクセスポイント設定ユーティリティ</translation>
    </message>
    <message>
        <source>Press Setup to begin. User Guide opens the manual; Web Site opens the product pages.</source>
        <translation>［セットアップ］で開始します。［ユーザーガイド］でマニュアルを、［Webサイト］で製品ページを開きます。</translation>
    </message>
    <message>
        <source>This PC</source>
        <translation>このPC</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Connect this PC and the access points to the same Ethernet segment, then press Next to search. The search takes three seconds.</source>
        <translation>このPCとアクセスポイントを同じEthernetセグメントに接続し、［次へ］を押して検索します。検索には3秒かかります。</translation>
    </message>
    <message>
        <source>Access points</source>
        <translation>アクセスポイント</translation>
    </message>
    <message>
        <source>Settings of the selected one</source>
        <translation>選択したアクセスポイントの設定</translation>
    </message>
    <message>
        <source>Regulatory domain:</source>
        <translation>規制ドメイン:</translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation>ファームウェア:</translation>
    </message>
    <message>
        <source>MAC address:</source>
        <translation>MACアドレス:</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IPアドレス:</translation>
    </message>
    <message>
        <source>ESSID:</source>
        <translation>ESSID:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>チャネル:</translation>
    </message>
    <message>
        <source>WEP:</source>
        <translation>WEP:</translation>
    </message>
    <message>
        <source>Yes: change its settings.  No: close the utility.</source>
        <translation>はい: 設定を変更します。  いいえ: ユーティリティを終了します。</translation>
    </message>
    <message>
        <source>ESSID</source>
        <translation>ESSID</translation>
    </message>
    <message>
        <source>The network name: 1 to 32 characters.</source>
        <translation>ネットワーク名: 1～32文字。</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャネル</translation>
    </message>
    <message>
        <source>The channels allowed in the access point&apos;s regulatory domain.</source>
        <translation>規制ドメインで使用できるチャネルです。</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>ホスト名</translation>
    </message>
    <message>
        <source>The access point&apos;s own name: up to 31 characters.</source>
        <translation>アクセスポイント自身の名前: 31文字まで。</translation>
    </message>
    <message>
        <source>Set the address manually</source>
        <translation>アドレスを手動で設定</translation>
    </message>
    <message>
        <source>Obtain the address by DHCP</source>
        <translation>DHCPでアドレスを取得</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP
アドレス</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>サブネット
マスク</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲート
ウェイ</translation>
    </message>
    <message>
        <source>Four numbers from 0 to 255 separated by dots, such as 192.168.1.251. An empty field gets the usual default when you go on.</source>
        <translation>0～255の4つの数字をドットで区切って入力します (例: 192.168.1.251)。空欄のまま進むと、通常の既定値が入ります。</translation>
    </message>
    <message>
        <source>WEP method</source>
        <translation>WEP方式</translation>
    </message>
    <message>
        <source>Disable, or a key size of 64, 128 or 256 bits.</source>
        <translation>無効、または64/128/256ビットのキー長。</translation>
    </message>
    <message>
        <source>Pass phrase</source>
        <translation>パスフレーズ</translation>
    </message>
    <message>
        <source>Up to 32 characters. The same pass phrase always gives the same keys.</source>
        <translation>32文字まで。同じパスフレーズからは常に同じキーが生成されます。</translation>
    </message>
    <message>
        <source>WEP key 1</source>
        <translation>WEPキー1</translation>
    </message>
    <message>
        <source>Hexadecimal digits 0-9 and A-F: 10 digits for 64 bits, 26 for 128 bits, 58 for 256 bits. Keys 2 to 4 are made from the pass phrase and saved with it.</source>
        <translation>16進数 (0-9, A-F): 64ビットは10桁、128ビットは26桁、256ビットは58桁です。キー2～4はパスフレーズから生成され、一緒に保存されます。</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <source>Yes: save. The access point may need 60 seconds to apply the settings.
No: discard the changes and search again.</source>
        <translation>はい: 保存します。アクセスポイントが設定を反映するまで60秒ほどかかることがあります。
いいえ: 変更を破棄して、もう一度検索します。</translation>
    </message>
    <message>
        <source>It may take the access point up to 60 seconds to apply them. Press Exit to close the utility.</source>
        <translation>アクセスポイントが設定を反映するまで最大60秒かかることがあります。［終了］でユーティリティを閉じます。</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>セットアップ</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Webサイト</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Setup</source>
        <translation>セットアップ</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Webサイト</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>64Bits</source>
        <translation>64ビット</translation>
    </message>
    <message>
        <source>128Bits</source>
        <translation>128ビット</translation>
    </message>
    <message>
        <source>256Bits</source>
        <translation>256ビット</translation>
    </message>
    <message>
        <source>ASCII: Enter 5,13,or 29 characters for 40,128, or 256 bits WEP Keys respectively</source>
        <translation>ASCII: 64/128/256ビットのWEPキーは5/13/29文字</translation>
    </message>
    <message>
        <source>Hexdecimal(0-9 &amp; a-f ,or a-f ): Enter 10, 26, 58 digits for 40,128, or 256 bits WEP Key respectively.</source>
        <translation>16進数 (0-9, a-f): 64/128/256ビットのWEPキーは10/26/58桁</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Usage: trx61-utility [--version] [--help] [--language CODE]
Finds TRX61 ver. 2.2 wireless access points on every network adapter of this PC and
changes their settings, in a window. It uses UDP port 27155: let it through the firewall.
With TRX61_DEBUG=1 in the environment it reports its network traffic on standard error.
</source>
        <translation>使い方: trx61-utility [--version] [--help] [--language CODE]
このPCのすべてのネットワークアダプターでTRX61 ver. 2.2 無線アクセスポイントを探し、
ウィンドウでその設定を変更します。UDPポート27155を使うので、ファイアウォールで許可してください。
環境変数 TRX61_DEBUG=1 を設定すると、ネットワークの通信内容を標準エラー出力に表示します。
</translation>
    </message>
    <message>
        <source>It speaks the language of the system when it has it, and English otherwise.
--language CODE chooses one of these:
</source>
        <translation>システムの言語があればその言語で、なければ英語で表示します。
--language CODE で次の言語から選べます:
</translation>
    </message>
</context>
<context>
    <name>PageWords</name>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
    </message>
    <message>
        <source>This utility finds the TRX61 ver. 2.2 wireless access points on your network and lets you change their host name, ESSID, channel, IP settings and WEP keys.</source>
        <translation>このユーティリティは、ネットワーク上のTRX61 ver. 2.2 無線アクセスポイントを探し、ホスト名、ESSID、チャネル、IP設定、WEPキーを変更します。</translation>
    </message>
    <message>
        <source>Connection method</source>
        <translation>接続方法</translation>
    </message>
    <message>
        <source>The utility talks to access points on the local Ethernet segment with broadcast messages (UDP port 27155).</source>
        <translation>ユーティリティは、ローカルのEthernetセグメント上のアクセスポイントとブロードキャスト (UDPポート27155) で通信します。</translation>
    </message>
    <message>
        <source>Access points found</source>
        <translation>見つかったアクセスポイント</translation>
    </message>
    <message>
        <source>Do you want to change the settings of the selected access point?</source>
        <translation>選択したアクセスポイントの設定を変更しますか？</translation>
    </message>
    <message>
        <source>Basic settings</source>
        <translation>基本設定</translation>
    </message>
    <message>
        <source>Name the wireless network and choose its radio channel.</source>
        <translation>無線ネットワークの名前を付け、無線チャネルを選んでください。</translation>
    </message>
    <message>
        <source>IP settings</source>
        <translation>IP設定</translation>
    </message>
    <message>
        <source>Give the access point a fixed address, or let a DHCP server assign one.</source>
        <translation>アクセスポイントに固定アドレスを設定するか、DHCPサーバーから割り当てます。</translation>
    </message>
    <message>
        <source>Security settings</source>
        <translation>セキュリティ設定</translation>
    </message>
    <message>
        <source>Choose the WEP encryption and type a pass phrase; the keys are made from it.</source>
        <translation>WEP暗号化を選び、パスフレーズを入力してください。キーはパスフレーズから生成されます。</translation>
    </message>
    <message>
        <source>WEP key</source>
        <translation>WEPキー</translation>
    </message>
    <message>
        <source>The first key, made from your pass phrase. You may type your own key instead.</source>
        <translation>パスフレーズから生成された1番目のキーです。独自のキーを入力することもできます。</translation>
    </message>
    <message>
        <source>Confirm the new settings</source>
        <translation>新しい設定の確認</translation>
    </message>
    <message>
        <source>Do you want to save these settings to the access point?</source>
        <translation>この設定をアクセスポイントに保存しますか？</translation>
    </message>
    <message>
        <source>Settings saved</source>
        <translation>設定を保存しました</translation>
    </message>
    <message>
        <source>The access point has acknowledged the new settings.</source>
        <translation>アクセスポイントが新しい設定を受け付けました。</translation>
    </message>
    <message>
        <source>Checking the network connection</source>
        <translation>ネットワーク接続を確認しています</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>No access point could be located</source>
        <translation>アクセスポイントが見つかりません</translation>
    </message>
    <message>
        <source>No access point answered in time, or an answer could not be used.</source>
        <translation>時間内に応答したアクセスポイントがないか、応答を使用できませんでした。</translation>
    </message>
    <message>
        <source>Please check:</source>
        <translation>次の点を確認してください:</translation>
    </message>
    <message>
        <source>The Ethernet cables of this PC and of the access point are plugged in, and their link lights are on.</source>
        <translation>このPCとアクセスポイントのEthernetケーブルが接続され、リンクランプが点灯している。</translation>
    </message>
    <message>
        <source>This PC and the access point are on the same Ethernet segment (no router between them).</source>
        <translation>このPCとアクセスポイントが同じEthernetセグメント上にある (間にルーターがない)。</translation>
    </message>
    <message>
        <source>The access point is switched on and has finished starting up.</source>
        <translation>アクセスポイントの電源が入り、起動が完了している。</translation>
    </message>
    <message>
        <source>A firewall on this PC lets UDP port 27155 through, in and out.</source>
        <translation>このPCのファイアウォールが、UDPポート27155の送受信を許可している。</translation>
    </message>
    <message>
        <source>After saving, the access point may need up to 60 seconds before it answers again.</source>
        <translation>保存後、アクセスポイントが再び応答するまで最大60秒かかることがあります。</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>The access point did not acknowledge the settings</source>
        <translation>アクセスポイントから設定の確認応答がありませんでした</translation>
    </message>
    <message>
        <source>No acknowledgement arrived in time: the settings may not have been saved.</source>
        <translation>時間内に確認応答が届きませんでした。設定が保存されていない可能性があります。</translation>
    </message>
</context>
<context>
    <name>Sentence</name>
    <message>
        <source>.</source>
        <comment>full stop</comment>
        <translation>。</translation>
    </message>
</context>
<context>
    <name>trx::app::TForm1</name>
    <message>
        <source>Information</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>No program to show the user guide was found on this computer. The guide is the file
%1</source>
        <translation>ユーザーガイドを表示するプログラムがこのコンピューターに見つかりません。ガイドのファイルは次のとおりです:
%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The user guide can only be viewed with Adobe Reader!<byte value="xd"/>
<byte value="xd"/>
        Do you want install Acrobat Reader 5.0.5?</source>
        <translation>
ユーザーガイドはAdobe Readerでのみ表示できます。

        Acrobat Reader 5.0.5をインストールしますか？</translation>
    </message>
    <message>
        <source>After settings are saved, it may take 60 seconds for the TRX61 ver. 2.2 to become useful.</source>
        <translation>設定の保存後、TRX61 ver. 2.2が使用可能になるまで60秒ほどかかることがあります。</translation>
    </message>
    <message>
        <source>Wrong IP address value!</source>
        <translation>IPアドレスが正しくありません。</translation>
    </message>
    <message>
        <source>Wrong NetMask IP address value!</source>
        <translation>サブネットマスクが正しくありません。</translation>
    </message>
    <message>
        <source>Wrong GateWay IP address value!</source>
        <translation>ゲートウェイが正しくありません。</translation>
    </message>
    <message>
        <source>Wrong ESSID value!</source>
        <translation>ESSIDが正しくありません。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Wrong Wep-Key1 Length!</source>
        <translation>WEPキー1の長さが正しくありません。</translation>
    </message>
    <message>
        <source>Wrong Wep-Key1 Word!</source>
        <translation>WEPキー1に使用できない文字が含まれています。</translation>
    </message>
    <message>
        <source>ESSID</source>
        <translation>ESSID</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャネル</translation>
    </message>
    <message>
        <source>Host Name</source>
        <translation>ホスト名</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP
アドレス</translation>
    </message>
    <message>
        <source>Net Mask</source>
        <translation>サブネット
マスク</translation>
    </message>
    <message>
        <source>Gateway</source>
        <translation>ゲート
ウェイ</translation>
    </message>
    <message>
        <source>Obtain the address by DHCP</source>
        <translation>DHCPでアドレスを取得</translation>
    </message>
    <message>
        <source>Set the address manually</source>
        <translation>アドレスを手動で設定</translation>
    </message>
    <message>
        <source>WEP</source>
        <translation>WEP</translation>
    </message>
    <message>
        <source>Pass Phrase</source>
        <translation>パスフレーズ</translation>
    </message>
    <message>
        <source>Key 1</source>
        <translation>キー 1</translation>
    </message>
    <message>
        <source>Key 2</source>
        <translation>キー 2</translation>
    </message>
    <message>
        <source>Key 3</source>
        <translation>キー 3</translation>
    </message>
    <message>
        <source>Key 4</source>
        <translation>キー 4</translation>
    </message>
    <message>
        <source>Access points</source>
        <translation>アクセスポイント</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Regulatory domain</source>
        <translation>規制ドメイン</translation>
    </message>
    <message>
        <source>Firmware version</source>
        <translation>ファームウェアのバージョン</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC アドレス</translation>
    </message>
    <message>
        <source>IP address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Remembered pass phrase</source>
        <translation>記憶されたパスフレーズ</translation>
    </message>
    <message>
        <source>Regulatory domain %1, firmware version %2, MAC address %3, IP address %4, ESSID %5, channel %6, WEP %7.</source>
        <translation>規制ドメイン %1、ファームウェアのバージョン %2、MAC アドレス %3、IP アドレス %4、ESSID %5、チャネル %6、WEP %7。</translation>
    </message>
    <message>
        <source>Was %1.</source>
        <translation>変更前: %1。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Saving the settings to the access point.</source>
        <translation>アクセスポイントに設定を保存しています。</translation>
    </message>
    <message>
        <source>1 access point answered.</source>
        <translation>1 台のアクセスポイントが応答しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n access points answered.</source>
        <translation>
            <numerusform>%n 台のアクセスポイントが応答しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2, was %3.</source>
        <translation>%1: %2(変更前: %3)。</translation>
    </message>
</context>
</TS>
