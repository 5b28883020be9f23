<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pendra</source>
        <translation>Pendra 정보</translation>
    </message>
    <message>
        <source>Measuring machine jog panel</source>
        <translation>측정기 조그 패널</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>AdministratorMark</name>
    <message>
        <source>%1 (set by your administrator)</source>
        <extracomment>A menu item whose value IT enforces; %1 is the item&apos;s own text.</extracomment>
        <translation>%1 (관리자가 설정함)</translation>
    </message>
    <message>
        <source>Set by your administrator</source>
        <translation>관리자가 설정함</translation>
    </message>
</context>
<context>
    <name>CommandNames</name>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Move Pt.</source>
        <translation>점 이동</translation>
    </message>
    <message>
        <source>STOP EXECUTION</source>
        <translation>실행 정지</translation>
    </message>
    <message>
        <source>CONTINUE EXECUTION</source>
        <translation>실행 계속</translation>
    </message>
    <message>
        <source>F%1 %2</source>
        <extracomment>A function button&apos;s name: its key, then its words (&quot;F4 STOP EXECUTION&quot;).</extracomment>
        <translation>F%1 %2</translation>
    </message>
    <message>
        <source>The greeting</source>
        <translation>연결 인사 메시지</translation>
    </message>
    <message>
        <source>An acknowledgement</source>
        <translation>수신 확인</translation>
    </message>
</context>
<context>
    <name>ConnectionSettings</name>
    <message>
        <source>%1 is a folder, not a settings file</source>
        <translation>%1은(는) 설정 파일이 아니라 폴더입니다</translation>
    </message>
    <message>
        <source>%1 is not a settings file</source>
        <translation>%1은(는) 설정 파일이 아닙니다</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1을(를) 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be written</source>
        <translation>레지스트리 키 %1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>폴더 %1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>the registry key %1 cannot be read</source>
        <translation>레지스트리 키 %1을(를) 읽을 수 없습니다</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>Couldn&apos;t bind to %1</source>
        <translation>%1에 바인딩할 수 없음</translation>
    </message>
    <message>
        <source>Couldn&apos;t connect to %1</source>
        <translation>%1에 연결할 수 없음</translation>
    </message>
    <message>
        <source>Couldn&apos;t initialize WSA</source>
        <translation>WSA를 초기화할 수 없음</translation>
    </message>
    <message>
        <source>Couldn&apos;t create socket</source>
        <translation>소켓을 만들 수 없음</translation>
    </message>
    <message>
        <source>Couldn&apos;t create events</source>
        <translation>이벤트를 만들 수 없음</translation>
    </message>
    <message>
        <source>Couldn&apos;t start receive thread</source>
        <translation>수신 스레드를 시작할 수 없음</translation>
    </message>
    <message>
        <source>Couldn&apos;t watch the socket</source>
        <translation>소켓을 감시할 수 없음</translation>
    </message>
    <message>
        <source>Couldn&apos;t close socket</source>
        <translation>소켓을 닫을 수 없음</translation>
    </message>
    <message>
        <source>no host address is set</source>
        <translation>호스트 주소가 설정되지 않음</translation>
    </message>
    <message>
        <source>the panel is not ready</source>
        <translation>패널이 준비되지 않음</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The step of opening that failed, then the system&apos;s description and its code.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>연결 중: %1…</translation>
    </message>
    <message>
        <source>Not connected: %1; trying again every %2 s</source>
        <translation>연결 안 됨: %1; %2초마다 다시 시도 중</translation>
    </message>
    <message>
        <source>Not connected: %1</source>
        <translation>연결 안 됨: %1</translation>
    </message>
    <message>
        <source>Waiting for the host at %1</source>
        <translation>호스트 대기 중: %1</translation>
    </message>
    <message>
        <source>Connected to %1, host version %2</source>
        <translation>연결됨: %1, 호스트 버전 %2</translation>
    </message>
    <message>
        <source>No answer from %1: nothing listens on that port</source>
        <translation>응답 없음: %1, 해당 포트에서 수신 대기 중인 프로그램 없음</translation>
    </message>
    <message>
        <source>Not sent: %1: %2</source>
        <translation>전송 안 됨: %1: %2</translation>
    </message>
    <message>
        <source>%1 sent at %2</source>
        <translation>%2에 %1 전송됨</translation>
    </message>
    <message>
        <source>last host message %1</source>
        <translation>마지막 호스트 메시지 %1</translation>
    </message>
</context>
<context>
    <name>PanelWindow</name>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>Restart
(Wake up)</source>
        <translation>재시작
(깨우기)</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>설정(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Full screen</source>
        <translation>전체 화면(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Lock for cleaning</source>
        <translation>청소용 잠금(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <source>Restart (Wake up)</source>
        <translation>재시작 (깨우기)</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Local</source>
        <translation>로컬</translation>
    </message>
    <message>
        <source>IP address:</source>
        <translation>IP 주소:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>포트:</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>원격</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>데이터</translation>
    </message>
    <message>
        <source>Display error of last measured feature</source>
        <translation>마지막 측정 요소의 오차 표시</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Local IP address</source>
        <translation>로컬 IP 주소</translation>
    </message>
    <message>
        <source>Local port</source>
        <translation>로컬 포트</translation>
    </message>
    <message>
        <source>Remote IP address</source>
        <translation>원격 IP 주소</translation>
    </message>
    <message>
        <source>Remote port</source>
        <translation>원격 포트</translation>
    </message>
    <message>
        <source>Values on grey are set by your administrator and cannot be changed here.</source>
        <translation>회색 바탕의 값은 관리자가 설정했으며 여기서 변경할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>SystemMenuAbout</name>
    <message>
        <source>&amp;About Pendra...</source>
        <translation>Pendra 정보(&amp;A)...</translation>
    </message>
</context>
<context>
    <name>pendra::LanguageMenu</name>
    <message>
        <source>La&amp;nguage</source>
        <translation>언어(&amp;L)</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The system&apos;s language, whichever it is.</extracomment>
        <translation>시스템 언어</translation>
    </message>
</context>
<context>
    <name>pendra::PanelConnector</name>
    <message>
        <source>No host address is set: open Options, Setup.</source>
        <translation>호스트 주소가 설정되지 않았습니다. 옵션 &gt; 설정을 여십시오.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1.
The connection works with them, but they will not be there at the next start.</source>
        <translation>설정을 저장할 수 없습니다: %1.
현재 연결에는 적용되지만 다음 시작 시에는 남아 있지 않습니다.</translation>
    </message>
</context>
<context>
    <name>pendra::PanelWindow</name>
    <message>
        <source>The settings could not be read: %1.
The built-in defaults are used until Setup stores new ones.</source>
        <translation>설정을 읽을 수 없습니다: %1.
설정에서 새 값을 저장할 때까지 기본값을 사용합니다.</translation>
    </message>
    <message>
        <source>locked for cleaning, %1 s left: only %2 takes a touch</source>
        <translation>청소용 잠금, %1초 남음: %2만 터치 가능</translation>
    </message>
</context>
</TS>
