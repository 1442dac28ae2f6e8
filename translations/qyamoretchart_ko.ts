<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>FamousPeople</name>
    <message>
        <source>Hugh Grant</source>
        <translation>휴 그랜트</translation>
    </message>
    <message>
        <source>Ayrton Senna</source>
        <translation>아일톤 세나</translation>
    </message>
    <message>
        <source>Zinedine Zidane</source>
        <translation>지네딘 지단</translation>
    </message>
    <message>
        <source>Katy Perry</source>
        <translation>케이티 페리</translation>
    </message>
    <message>
        <source>Scarlett Johansson</source>
        <translation>스칼렛 요한슨</translation>
    </message>
    <message>
        <source>Jane Fonda</source>
        <translation>제인 폰다</translation>
    </message>
    <message>
        <source>Jack Nicholson</source>
        <translation>잭 니콜슨</translation>
    </message>
    <message>
        <source>Anthony Hopkins</source>
        <translation>앤서니 홉킨스</translation>
    </message>
    <message>
        <source>Meryl Streep</source>
        <translation>메릴 스트립</translation>
    </message>
    <message>
        <source>Eddie Murphy</source>
        <translation>에디 머피</translation>
    </message>
    <message>
        <source>Barack Obama</source>
        <translation>버락 오바마</translation>
    </message>
    <message>
        <source>Keira Knightley</source>
        <translation>키이라 나이틀리</translation>
    </message>
    <message>
        <source>Kofi Annan</source>
        <translation>코피 아난</translation>
    </message>
    <message>
        <source>Stevie Wonder</source>
        <translation>스티비 원더</translation>
    </message>
    <message>
        <source>Jodie Foster</source>
        <translation>조디 포스터</translation>
    </message>
    <message>
        <source>Leonardo DiCaprio</source>
        <translation>레오나르도 디카프리오</translation>
    </message>
    <message>
        <source>Lady Gaga</source>
        <translation>레이디 가가</translation>
    </message>
    <message>
        <source>Usain Bolt</source>
        <translation>우사인 볼트</translation>
    </message>
    <message>
        <source>Tina Turner</source>
        <translation>티나 터너</translation>
    </message>
    <message>
        <source>Sally Ride</source>
        <translation>샐리 라이드</translation>
    </message>
    <message>
        <source>Michael Jordan</source>
        <translation>마이클 조던</translation>
    </message>
    <message>
        <source>David Beckham</source>
        <translation>데이비드 베컴</translation>
    </message>
    <message>
        <source>Angelina Jolie</source>
        <translation>안젤리나 졸리</translation>
    </message>
    <message>
        <source>Lionel Messi</source>
        <translation>리오넬 메시</translation>
    </message>
    <message>
        <source>John Lennon</source>
        <translation>존 레논</translation>
    </message>
    <message>
        <source>Bruce Lee</source>
        <translation>이소룡</translation>
    </message>
    <message>
        <source>Keanu Reeves</source>
        <translation>키아누 리브스</translation>
    </message>
    <message>
        <source>Bob Dylan</source>
        <translation>밥 딜런</translation>
    </message>
    <message>
        <source>Stephen Hawking</source>
        <translation>스티븐 호킹</translation>
    </message>
    <message>
        <source>Muhammad Ali</source>
        <translation>무하마드 알리</translation>
    </message>
    <message>
        <source>Pierce Brosnan</source>
        <translation>피어스 브로스넌</translation>
    </message>
    <message>
        <source>Shah Rukh Khan</source>
        <translation>샤룩 칸</translation>
    </message>
    <message>
        <source>Taylor Swift</source>
        <translation>테일러 스위프트</translation>
    </message>
    <message>
        <source>Paul McCartney</source>
        <translation>폴 매카트니</translation>
    </message>
    <message>
        <source>Harrison Ford</source>
        <translation>해리슨 포드</translation>
    </message>
    <message>
        <source>Jackie Chan</source>
        <translation>성룡</translation>
    </message>
    <message>
        <source>Angela Merkel</source>
        <translation>앙겔라 메르켈</translation>
    </message>
    <message>
        <source>Emma Watson</source>
        <translation>엠마 왓슨</translation>
    </message>
    <message>
        <source>Mick Jagger</source>
        <translation>믹 재거</translation>
    </message>
    <message>
        <source>Steve Jobs</source>
        <translation>스티브 잡스</translation>
    </message>
    <message>
        <source>Tim Berners-Lee</source>
        <translation>팀 버너스리</translation>
    </message>
    <message>
        <source>Nicole Kidman</source>
        <translation>니콜 키드먼</translation>
    </message>
    <message>
        <source>Julia Roberts</source>
        <translation>줄리아 로버츠</translation>
    </message>
    <message>
        <source>Norah Jones</source>
        <translation>노라 존스</translation>
    </message>
    <message>
        <source>Diana Ross</source>
        <translation>다이애나 로스</translation>
    </message>
    <message>
        <source>George Lucas</source>
        <translation>조지 루카스</translation>
    </message>
    <message>
        <source>Tom Hanks</source>
        <translation>톰 행크스</translation>
    </message>
    <message>
        <source>Celine Dion</source>
        <translation>셀린 디옹</translation>
    </message>
    <message>
        <source>Hugh Jackman</source>
        <translation>휴 잭맨</translation>
    </message>
    <message>
        <source>Yao Ming</source>
        <translation>야오밍</translation>
    </message>
    <message>
        <source>Eric Clapton</source>
        <translation>에릭 클랩턴</translation>
    </message>
    <message>
        <source>Natalie Portman</source>
        <translation>나탈리 포트만</translation>
    </message>
    <message>
        <source>Roger Federer</source>
        <translation>로저 페더러</translation>
    </message>
    <message>
        <source>Serena Williams</source>
        <translation>세리나 윌리엄스</translation>
    </message>
    <message>
        <source>Cher</source>
        <translation>셰어</translation>
    </message>
    <message>
        <source>Freddie Mercury</source>
        <translation>프레디 머큐리</translation>
    </message>
    <message>
        <source>Sharon Stone</source>
        <translation>샤론 스톤</translation>
    </message>
    <message>
        <source>Prince</source>
        <translation>프린스</translation>
    </message>
    <message>
        <source>Madonna</source>
        <translation>마돈나</translation>
    </message>
    <message>
        <source>Andre Agassi</source>
        <translation>안드레 애거시</translation>
    </message>
    <message>
        <source>Matt Damon</source>
        <translation>맷 데이먼</translation>
    </message>
    <message>
        <source>Anne Hathaway</source>
        <translation>앤 해서웨이</translation>
    </message>
    <message>
        <source>Elton John</source>
        <translation>엘턴 존</translation>
    </message>
    <message>
        <source>Stephen King</source>
        <translation>스티븐 킹</translation>
    </message>
    <message>
        <source>Emma Thompson</source>
        <translation>엠마 톰슨</translation>
    </message>
    <message>
        <source>Ewan McGregor</source>
        <translation>이완 맥그리거</translation>
    </message>
    <message>
        <source>Chris Hemsworth</source>
        <translation>크리스 헴스워스</translation>
    </message>
    <message>
        <source>, </source>
        <comment>Between two names of the famous people&apos;s list</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>Links</name>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>재택 창업의 기회! 나만의 인터넷 사업을 시작해 온라인으로 수익을 올리세요. 이 소프트웨어를 내 웹사이트 브랜드로 완전히 바꿀 수 있습니다. 자세한 내용은 여기를 클릭하세요.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>이 소프트웨어에 내 사이트 브랜드를 함께 넣어 방문자 충성도와 트래픽을 높이세요. 이 자리에 사이트 이름과 링크를 넣으세요. 자세한 내용은 &quot;도움말&quot;을 참고하세요. 공동 브랜딩에 대해 더 알아보려면 여기를 클릭하세요.</translation>
    </message>
    <message>
        <source>Visit our online discussion forum at %1</source>
        <translation>온라인 토론 포럼에 들러 주세요: %1</translation>
    </message>
    <message>
        <source>Share your reading in our discussion forum. Click here to visit %1</source>
        <translation>토론 포럼에서 풀이 결과를 나눠 보세요. 여기를 클릭해 %1 사이트를 방문하세요</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>실행 취소(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>다시 실행(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>잘라내기(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>복사(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>붙여넣기(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
</context>
<context>
    <name>Reading</name>
    <message>
        <source>January</source>
        <translation>1월</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2월</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3월</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4월</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5월</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6월</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7월</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8월</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9월</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10월</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11월</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12월</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>쥐</translation>
    </message>
    <message>
        <source>Ox</source>
        <translation>소</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>호랑이</translation>
    </message>
    <message>
        <source>Rabbit</source>
        <translation>토끼</translation>
    </message>
    <message>
        <source>Dragon</source>
        <translation>용</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>뱀</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>말</translation>
    </message>
    <message>
        <source>Goat</source>
        <translation>양</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>원숭이</translation>
    </message>
    <message>
        <source>Rooster</source>
        <translation>닭</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>개</translation>
    </message>
    <message>
        <source>Pig</source>
        <translation>돼지</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>금</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>수</translation>
    </message>
    <message>
        <source>Wood</source>
        <translation>목</translation>
    </message>
    <message>
        <source>Fire</source>
        <translation>화</translation>
    </message>
    <message>
        <source>Earth</source>
        <translation>토</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>목성</translation>
    </message>
    <message>
        <source>Dragon, Monkey</source>
        <translation>용, 원숭이</translation>
    </message>
    <message>
        <source>Light Blue</source>
        <translation>하늘색</translation>
    </message>
    <message>
        <source>Carbuncle, Red Garnet</source>
        <translation>철반석류석, 붉은 석류석</translation>
    </message>
    <message>
        <source>Yin (positive)</source>
        <translation>음</translation>
    </message>
    <message>
        <source>Winter</source>
        <translation>겨울</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>토성</translation>
    </message>
    <message>
        <source>Snake, Rooster</source>
        <translation>뱀, 닭</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>보라색</translation>
    </message>
    <message>
        <source>White Onyx</source>
        <translation>흰 오닉스</translation>
    </message>
    <message>
        <source>End of Winter</source>
        <translation>늦겨울</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>천왕성</translation>
    </message>
    <message>
        <source>Horse, Dog</source>
        <translation>말, 개</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>초록색</translation>
    </message>
    <message>
        <source>Sapphire</source>
        <translation>사파이어</translation>
    </message>
    <message>
        <source>Yang (Negative)</source>
        <translation>양</translation>
    </message>
    <message>
        <source>Early Spring</source>
        <translation>초봄</translation>
    </message>
    <message>
        <source>Goat, Pig</source>
        <translation>양, 돼지</translation>
    </message>
    <message>
        <source>Pale Green</source>
        <translation>연두색</translation>
    </message>
    <message>
        <source>Chrysolite</source>
        <translation>감람석</translation>
    </message>
    <message>
        <source>Mid Spring</source>
        <translation>완연한 봄</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>화성</translation>
    </message>
    <message>
        <source>Rat, Monkey</source>
        <translation>쥐, 원숭이</translation>
    </message>
    <message>
        <source>Turquoise</source>
        <translation>청록색</translation>
    </message>
    <message>
        <source>Amethyst</source>
        <translation>자수정</translation>
    </message>
    <message>
        <source>End of Spring</source>
        <translation>늦봄</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>금성</translation>
    </message>
    <message>
        <source>Ox, Rooster</source>
        <translation>소, 닭</translation>
    </message>
    <message>
        <source>Tiger, Pig</source>
        <translation>호랑이, 돼지</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>빨간색</translation>
    </message>
    <message>
        <source>Mossagate</source>
        <translation>이끼마노</translation>
    </message>
    <message>
        <source>Yin (Positive Energy)</source>
        <translation>음</translation>
    </message>
    <message>
        <source>Early Summer</source>
        <translation>초여름</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>수성</translation>
    </message>
    <message>
        <source>Tiger, Dog</source>
        <translation>호랑이, 개</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>주황색</translation>
    </message>
    <message>
        <source>Beryl</source>
        <translation>녹주석</translation>
    </message>
    <message>
        <source>Mid Summer</source>
        <translation>한여름</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>달</translation>
    </message>
    <message>
        <source>Rabbit, Pig</source>
        <translation>토끼, 돼지</translation>
    </message>
    <message>
        <source>Pink, Purple</source>
        <translation>분홍색, 보라색</translation>
    </message>
    <message>
        <source>Emerald</source>
        <translation>에메랄드</translation>
    </message>
    <message>
        <source>Yin (Positive)</source>
        <translation>음</translation>
    </message>
    <message>
        <source>End of Summer</source>
        <translation>늦여름</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>태양</translation>
    </message>
    <message>
        <source>Rat, Dragon</source>
        <translation>쥐, 용</translation>
    </message>
    <message>
        <source>Yellow, Gold</source>
        <translation>노란색, 금색</translation>
    </message>
    <message>
        <source>Early Autumn</source>
        <translation>초가을</translation>
    </message>
    <message>
        <source>Ox, Dragon, Snake</source>
        <translation>소, 용, 뱀</translation>
    </message>
    <message>
        <source>Peach, Apricot</source>
        <translation>복숭아색, 살구색</translation>
    </message>
    <message>
        <source>Pin Jasper</source>
        <translation>벽옥</translation>
    </message>
    <message>
        <source>Mid Autumn</source>
        <translation>완연한 가을</translation>
    </message>
    <message>
        <source>Tiger, Horse</source>
        <translation>호랑이, 말</translation>
    </message>
    <message>
        <source>Pale Yellow</source>
        <translation>연노란색</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>다이아몬드</translation>
    </message>
    <message>
        <source>End of Autumn</source>
        <translation>늦가을</translation>
    </message>
    <message>
        <source>Rabbit, Goat</source>
        <translation>토끼, 양</translation>
    </message>
    <message>
        <source>Dark Blue</source>
        <translation>남색</translation>
    </message>
    <message>
        <source>Topaz</source>
        <translation>토파즈</translation>
    </message>
    <message>
        <source>Early Winter</source>
        <translation>초겨울</translation>
    </message>
    <message>
        <source>West (247.6 - 292.5 degrees)</source>
        <translation>서쪽(247.6~292.5도)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rooster here</source>
        <translation>이 방위에 닭 조각상이나 그림을 두세요</translation>
    </message>
    <message>
        <source>South (157.6 - 202.5 degrees)</source>
        <translation>남쪽(157.6~202.5도)</translation>
    </message>
    <message>
        <source>Place statue or picture of a horse here</source>
        <translation>이 방위에 말 조각상이나 그림을 두세요</translation>
    </message>
    <message>
        <source>East (67.6 - 112.5 degrees)</source>
        <translation>동쪽(67.6~112.5도)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rabbit here</source>
        <translation>이 방위에 토끼 조각상이나 그림을 두세요</translation>
    </message>
    <message>
        <source>North (337.6 degrees to 22.5 degrees)</source>
        <translation>북쪽(337.6~22.5도)</translation>
    </message>
    <message>
        <source>Place a statue or picture of a rat here</source>
        <translation>이 방위에 쥐 조각상이나 그림을 두세요</translation>
    </message>
    <message>
        <source>You are very focused and confident. Obstacles never frighten you or slow you down. You are self-reliant and dislike interference. You may be stubborn, headstrong and impulsive, but your inner strength is great. You enjoy the good things in life. You may expect as much from others as you do from yourself.</source>
        <translation>쇠처럼 단단한 집중력과 자신감을 타고나 어떤 장애물 앞에서도 겁먹거나 주춤하지 않습니다. 자립심이 강해 남의 간섭을 싫어합니다. 고집이 세고 제멋대로이며 충동적인 면도 있지만 내면의 힘이 대단히 강합니다. 인생의 즐거움을 누릴 줄 알며, 자신에게 바라는 만큼 남에게도 많은 것을 바라는 편입니다.</translation>
    </message>
    <message>
        <source>You have the fluidity of water and solve issues with your silent charm. You persuade others subtly, never by force. Your manner is always diplomatic. People trust you completely. Your intuition lets you read what others think. You communicate well and influence people with ease. You organize things well, but you may be inconsistent.</source>
        <translation>물처럼 유연한 기운을 지녀, 드러나지 않는 은근한 매력으로 문제를 풀어 갑니다. 남을 설득할 때도 힘으로 밀어붙이지 않고 슬며시 마음을 움직입니다. 언제나 원만하게 처신하니 사람들이 깊이 신뢰합니다. 직관이 뛰어나 상대의 속마음을 읽어 냅니다. 소통에 능해 사람들에게 쉽게 영향을 줍니다. 일을 짜임새 있게 꾸리지만 한결같지 못할 때가 있습니다.</translation>
    </message>
    <message>
        <source>You are very confident about yourself. You have a dignified presence and do not chase after things. You are organized and work in a methodical way. You like teamwork and gladly share the fruits of success with others. You are not selfish. Your interests are wide and varied. You may depend too much on others. You should take on only as much responsibility as you can handle. Your knowledge and experience grow more useful with time.</source>
        <translation>곧게 뻗은 나무처럼 자신에 대한 믿음이 굳습니다. 품위 있고 의젓하여 애써 무언가를 좇지 않습니다. 계획적이고 체계적으로 일합니다. 함께 일하기를 좋아하고 성공의 열매를 기꺼이 나누며, 이기적이지 않습니다. 관심사가 넓고 다양합니다. 남에게 지나치게 기댈 때가 있습니다. 책임은 감당할 수 있는 만큼만 맡는 것이 좋습니다. 지식과 경험은 세월이 흐를수록 더욱 빛을 발합니다.</translation>
    </message>
    <message>
        <source>You have an impulsive nature. You are truly charming. As a leader and motivator, you attract people easily. You hold to your ideals, and no one can talk you out of them. You are sure of your decisions. You are aggressive and love to explore new ground. You are simply made for challenges. At times you can be dominating. You are also highly ambitious.</source>
        <translation>불같이 충동적인 기질을 타고났습니다. 매력이 넘치며, 사람들을 이끌고 북돋우는 리더로서 주변을 쉽게 끌어당깁니다. 자신의 이상을 굳게 지켜 누구도 그 뜻을 꺾지 못합니다. 한번 내린 결정에 확신이 있습니다. 거침없이 나아가며 새로운 분야를 개척하기를 즐기니, 그야말로 도전을 위해 태어난 사람입니다. 때로는 지배적인 모습을 보이기도 하며, 야망 또한 큽니다.</translation>
    </message>
    <message>
        <source>You are more logical than emotional in nature. Your quiet, dignified presence earns the respect of others. You are prudent and always stay in control. The unfamiliar can make you uneasy. You are particular about details and serious about life. You are a good organizer and planner. You are disciplined and conservative.</source>
        <translation>대지처럼 묵직하여 감정보다 이성이 앞섭니다. 조용하고 점잖은 품격으로 주위의 존경을 받습니다. 신중하여 늘 상황을 장악하고 있습니다. 낯선 것 앞에서는 불안해지기도 합니다. 세세한 부분까지 꼼꼼히 따지며 삶을 진지하게 대합니다. 조직하고 계획하는 능력이 뛰어납니다. 자기 관리가 철저하고 보수적인 편입니다.</translation>
    </message>
</context>
<context>
    <name>ResultRows</name>
    <message>
        <source>Chinese Sign</source>
        <translation>띠</translation>
    </message>
    <message>
        <source>Romance Direction</source>
        <translation>연애 방위</translation>
    </message>
    <message>
        <source>Peach Blossom Advice</source>
        <translation>도화운 조언</translation>
    </message>
    <message>
        <source>Chinese Element</source>
        <translation>오행</translation>
    </message>
    <message>
        <source>Ruling Planet</source>
        <translation>수호성</translation>
    </message>
    <message>
        <source>Most Compatible</source>
        <translation>궁합 좋은 띠</translation>
    </message>
    <message>
        <source>Least Compatible</source>
        <translation>궁합 나쁜 띠</translation>
    </message>
    <message>
        <source>Favourable Seasons</source>
        <translation>길한 계절</translation>
    </message>
    <message>
        <source>Favourable Month</source>
        <translation>길한 달</translation>
    </message>
    <message>
        <source>Lucky Color</source>
        <translation>행운의 색</translation>
    </message>
    <message>
        <source>GemStone</source>
        <translation>보석</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>음양</translation>
    </message>
    <message>
        <source>Famous People</source>
        <translation>같은 띠 유명인</translation>
    </message>
</context>
<context>
    <name>SignPicture</name>
    <message>
        <source>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</source>
        <comment>The animals the twelve signs&apos; pictures draw, in sign order, a blank between two. Keep them, or where the reader&apos;s tradition has another animal for a year put cat, water_buffalo or wild_boar in its place; a word of any other kind is ignored.</comment>
        <translation>rat ox tiger rabbit dragon snake horse goat monkey rooster dog pig</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Application is already running</source>
        <translation>프로그램이 이미 실행 중입니다</translation>
    </message>
</context>
<context>
    <name>UpdateNotice</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>이 소프트웨어의 업데이트가 있을 수 있습니다<byte value="xd"/>업데이트를 확인하시겠습니까?</translation>
    </message>
</context>
<context>
    <name>accessibility</name>
    <message>
        <source>.</source>
        <comment>The full stop that ends a sentence read aloud</comment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>QY Amoret Chart or Yi Jing is a Chinese method of finding and activating your romance direction. This software gives you advice based on your romance direction. All rights to this software are held by the makers of QY Amoret Chart.</source>
        <translation>QY 도화 명반은 주역(역경)에 뿌리를 둔 중국 전통 방법으로, 나의 연애 방위를 찾아 그 기운을 살려 줍니다. 이 소프트웨어는 연애 방위에 따른 조언을 드립니다. 이 소프트웨어의 모든 권리는 QY 도화 명반 제작사에 있습니다.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>재택 창업의 기회! 나만의 인터넷 사업을 시작해 온라인으로 수익을 올리세요. 이 소프트웨어를 내 웹사이트 브랜드로 완전히 바꿀 수 있습니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>여기를 클릭해 %1 사이트를 방문하세요</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>자세한 내용은 여기를 클릭하세요.</translation>
    </message>
    <message>
        <source>QY Amoret Chart icon</source>
        <translation>QY 도화 명반 아이콘</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Know more about your romance direction with the Chinese Amoret Chart. Enter your personal details to get started.</source>
        <translation>중국의 도화 명반으로 나의 연애 방위를 알아보세요. 시작하려면 내 정보를 입력하세요.</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>정보를 입력해 주세요</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Birth Date</source>
        <translation>생년월일</translation>
    </message>
    <message>
        <source>Birth Date: Day</source>
        <translation>생년월일: 일</translation>
    </message>
    <message>
        <source>Birth Date: Month</source>
        <translation>생년월일: 월</translation>
    </message>
    <message>
        <source>Birth Date: Year</source>
        <translation>생년월일: 연도</translation>
    </message>
    <message>
        <source>&amp;Get My Peach Blossom Reading</source>
        <translation>내 도화운 보기(&amp;G)</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>이름을 입력하세요</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>일 또는 월을 올바르게 입력하세요!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>일 또는 월을 올바르게 입력하세요!</translation>
    </message>
</context>
<context>
    <name>frmPeachBlossomResult</name>
    <message>
        <source>QY Amoret Chart Results</source>
        <translation>QY 도화 명반 결과</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>종료(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>뒤로(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>인쇄(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>온라인 도움말(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>홈페이지 방문(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>소프트웨어 업데이트 확인(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>소프트웨어 정보(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>후원(&amp;D)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Chinese Sign picture</source>
        <translation>띠 그림</translation>
    </message>
    <message>
        <source>A %1 drawn in white on a purple disc</source>
        <translation>보라색 원 안에 흰색으로 그린 %1</translation>
    </message>
</context>
<context>
    <name>look</name>
    <message>
        <source>QY Amoret Chart v1.0</source>
        <translation>QY 도화 명반 v1.0</translation>
    </message>
    <message>
        <source>QY Amoret Chart</source>
        <translation>QY 도화 명반</translation>
    </message>
    <message>
        <source>Ag</source>
        <comment>Never shown: a few letters of this language&apos;s script, to measure how tall its lines are</comment>
        <translation>한글 가나다</translation>
    </message>
</context>
</TS>
