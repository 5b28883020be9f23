<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>Pendra Hakkında</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>Ölçüm makinesi manuel hareket paneli</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>AdministratorMark</name>
    <message>
        <source>%1 (set by your administrator)</source>
        <extracomment>A menu item whose value IT enforces; %1 is the item&apos;s own text.</extracomment>
        <translation>%1 (yöneticiniz tarafından ayarlandı)</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>Yöneticiniz tarafından ayarlandı</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>Nokta taşı</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>YÜRÜTMEYİ DURDUR</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>YÜRÜTMEYE DEVAM ET</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>Selamlama</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>Onay</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1 bir klasör, ayar dosyası değil</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1 bir ayar dosyası değil</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 okunamıyor</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>%1 kayıt defteri anahtarına yazılamıyor</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>%1 klasörüne yazılamıyor</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 yazılamıyor</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>%1 kayıt defteri anahtarı okunamıyor</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>Soket %1 adresiyle ilişkilendirilemedi</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>%1 adresine bağlanılamadı</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>WSA başlatılamadı</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>Soket oluşturulamadı</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>Olaylar oluşturulamadı</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>Alma iş parçacığı başlatılamadı</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>Soket izlenemedi</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>Soket kapatılamadı</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>ana bilgisayar adresi ayarlanmamış</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>panel hazır değil</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Bağlanılıyor: %1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>Bağlı değil: %1; %2 saniyede bir yeniden deneniyor</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>Bağlı değil: %1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>Bekleniyor: %1 adresindeki ana bilgisayar</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>Bağlandı: %1, ana bilgisayar sürümü %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>Yanıt yok: %1, bu portu dinleyen yok</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>Gönderilemedi: %1: %2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>%1 gönderildi, saat %2</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>ana bilgisayarın son mesajı: %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>Yeniden başlat
(Uyandır)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>&amp;Ayarlar</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>&amp;Tam ekran</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>Temizlik için &amp;kilitle</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>Yeniden başlat (Uyandır)</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Local</source>
        <translation>Yerel</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP adresi:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Uzak</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Veri</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>Son ölçülen elemanın hatasını göster</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Local IP address</source>
        <translation>Yerel IP adresi</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>Yerel port</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>Uzak IP adresi</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>Uzak port</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>Gri zemindeki değerler yöneticiniz tarafından ayarlanmıştır ve burada değiştirilemez.</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>Pendra &amp;Hakkında...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>Sistem dili</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>Ana bilgisayar adresi ayarlanmamış: Seçenekler, Ayarlar&apos;ı açın.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>Ayarlar kaydedilemedi: %1.
Bağlantı bu ayarlarla çalışıyor, ancak bir sonraki başlatmada bulunmayacaklar.</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>Ayarlar okunamadı: %1.
Ayarlar&apos;da yenileri kaydedilene kadar yerleşik varsayılan değerler kullanılır.</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>temizlik için kilitli, %1 sn kaldı: yalnızca %2 dokunmaya yanıt verir</translation>
    </message>
</context>
</TS>
